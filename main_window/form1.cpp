// SPDX-License-Identifier: MIT
#include "form1.h"

#include "beep.h"
#include "charactercodes.h"
#include "checkletter.h"
#include "keypresshook.h"
#include "numerictext.h"
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

QCursor pointingHand()
{
    return QCursor(QPixmap(QStringLiteral(":/main_window/pointing_hand.png")), 5, 0);
}

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    initResources();
    ui.setupUi(this);
    platform::setFixedSingleBorder(this);
    platform::centreOnScreen(this);
    ui.Command1->setCursor(pointingHand());
    ui.Command2->setCursor(pointingHand());
    ui.Text1->setFocus();

    new platform::KeyPressHook(ui.Text1, [this](qint16 &code) { Text1_KeyPress(code); });
    connect(ui.Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
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
    if (!text.isEmpty() && platform::isNumeric(text)) {
        // Pasted text may have no letter (negative, or past 32 bits): keep the last one shown.
        if (const auto letter = CalcularLetra(ui.Text1->text()))
            ui.Text2->setText(*letter);
    }
    ui.Command1->setEnabled(true);
}
