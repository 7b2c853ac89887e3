// SPDX-License-Identifier: MIT
#include "keyfilter.h"

#include "charactercodes.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

namespace platform::qt {
namespace {

constexpr int kEnter = 13;
constexpr int kCtrlEnter = 10;
constexpr int kBackspace = 8;
constexpr int kCtrlBackspace = 127;
constexpr int kEscape = 27;

std::optional<int> controlCode(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_BracketLeft:
        return 27;
    case Qt::Key_Backslash:
        return 28;
    case Qt::Key_BracketRight:
        return 29;
    default:
        return std::nullopt;
    }
}

// Whether QLineEdit would insert the key's text, as QInputControl::isAcceptableInput decides
// it: format characters (soft hyphen, joiners) always; otherwise not with Ctrl or Ctrl+Shift
// alone, but printable text, private-use characters and surrogate pairs with any other
// modifiers (keypad and Meta included). Only the first character is judged, and then the whole
// text goes in, so the hook has to see exactly the texts that this lets through.
bool lineEditInsertsText(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    if (first.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

} // namespace

QList<int> characterCodes(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
        return {};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {control ? kCtrlEnter : kEnter};
    case Qt::Key_Backspace:
        return {control ? kCtrlBackspace : kBackspace};
    case Qt::Key_Escape:
        return {kEscape};
    default:
        break;
    }
    // Ctrl with Alt is AltGr on some keyboards, which types ordinary characters.
    if (control && !modifiers.testFlag(Qt::AltModifier)) {
        if (const auto code = controlCode(event.key()))
            return {*code};
    }
    if (!lineEditInsertsText(event))
        return {};
    QList<int> codes;
    for (const char32_t codePoint : event.text().toUcs4())
        codes.append(windows1252Code(codePoint));
    return codes;
}

KeyFilter::KeyFilter(QLineEdit *field, Handler handler)
    : QObject(field), field_(field), handler_(std::move(handler))
{
    field_->setAcceptDrops(false);
    field_->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != field_ || replaying_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(static_cast<QKeyEvent *>(event));
    case QEvent::InputMethod:
        return filterInputMethod(static_cast<QInputMethodEvent *>(event));
    default:
        return false;
    }
}

bool KeyFilter::raise(int code)
{
    auto keyAscii = static_cast<std::int16_t>(code);
    handler_(keyAscii);
    return keyAscii != 0;
}

QString KeyFilter::acceptedText(const QString &text)
{
    QString accepted;
    for (const char32_t codePoint : text.toUcs4()) {
        if (raise(windows1252Code(codePoint)))
            accepted.append(QString::fromUcs4(&codePoint, 1));
    }
    return accepted;
}

bool KeyFilter::filterKey(QKeyEvent *event)
{
    const QList<int> codes = characterCodes(*event);
    if (codes.isEmpty())
        return false;
    if (codes.size() == 1)
        return !raise(codes.front());
    // One key, several characters (a compose sequence): each is judged on its own, and only
    // what the handler lets through goes in. Nothing at all leaves the field as it was,
    // selection included.
    const QString accepted = acceptedText(event->text());
    if (accepted == event->text())
        return false;
    if (!accepted.isEmpty())
        field_->insert(accepted);
    return true;
}

bool KeyFilter::filterInputMethod(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty())
        return false;
    const QString accepted = acceptedText(commit);
    if (accepted == commit)
        return false;
    QInputMethodEvent replacement(event->preeditString(), event->attributes());
    replacement.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    replaying_ = true;
    QCoreApplication::sendEvent(field_, &replacement);
    replaying_ = false;
    return true;
}

} // namespace platform::qt
