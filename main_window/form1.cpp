// SPDX-License-Identifier: MIT
#include "form1.h"

#include "autor.h"
#include "beep.h"
#include "charactercodes.h"
#include "checkletter.h"
#include "clipboard.h"
#include "fonts.h"
#include "keypresshook.h"
#include "messagebox.h"
#include "numerictext.h"
#include "qttext.h"
#include "timer.h"
#include "windowframe.h"

#include <QCursor>
#include <QPixmap>

// The pictures live in this static library; its resources must be registered by name.
static void initResources()
{
    Q_INIT_RESOURCE(main_window);
}

namespace {

constexpr int kEnter = 13;
constexpr int kBackspace = 8;
constexpr std::chrono::milliseconds kTimer1Interval{5};

QCursor pointingHand()
{
    return QCursor(QPixmap(QStringLiteral(":/main_window/pointing_hand.png")), 5, 0);
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    initResources();
    ui.setupUi(this);
    platform::applyDesignPointSizes(this);
    platform::setFixedSingleBorder(this);
    platform::unloadOnClose(this);
    platform::centreOnScreen(this);
    const QCursor hand = pointingHand();
    ui.Command1->setCursor(hand);
    ui.Command2->setCursor(hand);
    ui.Text1->setFocus();

    new platform::KeyPressHook(ui.Text1, [this](qint16 &code) { Text1_KeyPress(code); });
    connect(ui.Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(ui.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    platform::startTimer(this, kTimer1Interval, &Form1::Timer1_Timer);
}

void Form1::Text1_KeyPress(qint16 &KeyAscii)
{
    if (KeyAscii == kEnter) {
        KeyAscii = 0;
        return;
    }
    if (KeyAscii == kBackspace)
        return;
    if (!platform::isNumeric(platform::characterFromCode(KeyAscii))) {
        platform::beep();
        KeyAscii = 0;
    }
}

void Form1::Text1_Change()
{
    const QString text = ui.Text1->text();
    if (!text.isEmpty() && platform::isNumeric(platform::u16(text))) {
        // Pasted text may have no letter (negative, or past 32 bits): keep the last one shown.
        if (const auto letter = CalcularLetra(platform::u16(ui.Text1->text())); !letter.empty())
            ui.Text2->setText(platform::toQString(letter));
    }
    ui.Command1->setEnabled(true);
}

// Text3, below the visible area, is the copy's source; it is rewritten on every tick, so
// anything typed into it through the Tab key does not last.
void Form1::Timer1_Timer()
{
    const QString number = ui.Text1->text();
    const QString letter = ui.Text2->text();
    ui.Text3->setText(number + letter);
}

void Form1::Command1_Click()
{
    platform::clearClipboard();
    // A copy that did not reach the clipboard must not be reported as one that did.
    if (!platform::setClipboardText(ui.Text3->text())) {
        platform::showMessageBox(
            this,
            QStringLiteral("No se ha podido copiar el DNI completo en el portapapeles. "
                           "Inténtelo de nuevo."),
            platform::MessageBoxStyle::Warning, QStringLiteral("No se ha podido copiar"));
        return;
    }
    platform::showMessageBox(
        this,
        QStringLiteral(
            "El DNI completo se ha copiado en el portapapeles, para pegarlo utilice CTRL+V"),
        platform::MessageBoxStyle::Information, QStringLiteral("Se ha copiado al portapapeles!!"));
}

void Form1::Command2_Click()
{
    // No owner: the credits window outlives the main window if that is closed first.
    if (!autor_)
        autor_ = new Autor;
    platform::showModeless(autor_);
}
