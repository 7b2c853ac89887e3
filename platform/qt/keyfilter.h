// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

namespace platform::qt {

// The character codes a key press produces, as the old desktop raised them: Enter 13,
// Backspace 8, Escape 27, Ctrl+A..Ctrl+Z 1..26, and every character of the text a line edit
// would insert as its Windows-1252 code (63 for characters outside that page), invisible ones
// such as the soft hyphen included. Empty for keys that insert nothing: navigation, editing
// and function keys, Tab, and Ctrl or Ctrl+Shift with anything but a letter.
QList<int> characterCodes(const QKeyEvent &event);

// Raises a key-press handler for every character about to enter a text field, before it is
// inserted. The handler may set the code to 0, and then the character has no effect at all.
// A code changed to anything else lets the original character through unchanged.
//
// Typed keys and text committed by an input method (dead keys, compose, on-screen keyboards)
// both pass through it, one character at a time. Dropping text onto the field is refused, so
// typing and pasting (Shift+Insert, the context menu) are the field's only inputs.
class KeyFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(std::int16_t &keyAscii)>;

    KeyFilter(QLineEdit *field, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterKey(QKeyEvent *event);
    bool filterInputMethod(QInputMethodEvent *event);
    // The characters of the text that the handler lets through.
    QString acceptedText(const QString &text);
    bool raise(int code);

    QLineEdit *field_;
    Handler handler_;
    bool replaying_ = false;
};

} // namespace platform::qt
