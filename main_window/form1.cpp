// SPDX-License-Identifier: MIT
#include "form1.h"

#include "autor.h"
#include "charactercodes.h"
#include "checkletter.h"
#include "numerictext.h"
#include "services.h"

namespace {
constexpr int kEnter = 13;
constexpr int kBackspace = 8;
} // namespace

Form1::Form1(platform::Form &form)
    : form_(form), Text1(form.textBox("Text1")), Text2(form.textBox("Text2")),
      Text3(form.textBox("Text3")), Command1(form.commandButton("Command1"))
{
    form.onKeyPress("Text1", [this](std::int16_t &code) { Text1_KeyPress(code); });
    form.onChange("Text1", [this] { Text1_Change(); });
    form.onTimer("Timer1", [this] { Timer1_Timer(); });
    form.onClick("Command1", [this] { Command1_Click(); });
    form.onClick("Command2", [this] { Command2_Click(); });
}

void Form1::Text1_KeyPress(std::int16_t &KeyAscii)
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
    const std::u16string text = Text1.text();
    if (!text.empty() && platform::isNumeric(text)) {
        // Pasted text may have no letter (negative, or past 32 bits): keep the last one shown.
        if (const auto letter = CalcularLetra(Text1.text()); !letter.empty())
            Text2.setText(letter);
    }
    Command1.setEnabled(true);
}

// Text3, below the visible area, is the copy's source; it is rewritten on every tick, so
// anything typed into it through the Tab key does not last.
void Form1::Timer1_Timer()
{
    Text3.setText(Text1.text() + Text2.text());
}

void Form1::Command1_Click()
{
    platform::clearClipboard();
    // A copy that did not reach the clipboard must not be reported as one that did.
    if (!platform::setClipboardText(Text3.text())) {
        form_.showMessageBox(u"No se ha podido copiar el DNI completo en el portapapeles. "
                             u"Inténtelo de nuevo.",
                             platform::MessageBoxStyle::Warning, u"No se ha podido copiar");
        return;
    }
    form_.showMessageBox(
        u"El DNI completo se ha copiado en el portapapeles, para pegarlo utilice CTRL+V",
        platform::MessageBoxStyle::Information, u"Se ha copiado al portapapeles!!");
}

void Form1::Command2_Click()
{
    // No owner: the credits window outlives the main window if that is closed first.
    if (!autor_.isLoaded())
        autor_ = platform::load<Autor>();
    autor_.showModeless();
}
