// SPDX-License-Identifier: MIT
#include "form1.h"

#include "autor.h"
#include "charactercodes.h"
#include "checkletter.h"
#include "identitynumber.h"
#include "numerictext.h"
#include "services.h"

#include <optional>

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
    // A click can come before the tick that composes what the fields show: compose it now, so
    // that Text3 holds what goes out.
    Timer1_Timer();
    // Only a DNI goes out, so that a wrong identifier is never pasted into a form as a good one;
    // otherwise the clipboard keeps what it held.
    const std::optional<std::u16string> identifier = fullIdentifier(Text1.text(), Text2.text());
    if (!identifier) {
        form_.showMessageBox(Text1.text().empty()
                                 ? u"Escriba el número del DNI antes de copiar."
                                 : u"El campo Número no contiene un número de DNI. Escriba solo "
                                   u"las cifras del DNI, sin letras ni signos.",
                             platform::MessageBoxStyle::Warning, u"No hay ningún DNI que copiar");
        return;
    }
    platform::clearClipboard();
    // A copy that did not reach the clipboard must not be reported as one that did.
    if (!platform::setClipboardText(*identifier)) {
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
