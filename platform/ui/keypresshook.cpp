// SPDX-License-Identifier: MIT
#include "keypresshook.h"

#include "charactercodes.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

namespace platform {
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
        return {};
    }
    QList<int> codes;
    for (const char32_t codePoint : event.text().toUcs4()) {
        if (!QChar::isPrint(codePoint))
            return {};
        codes.append(windows1252Code(codePoint));
    }
    return codes;
}

KeyPressHook::KeyPressHook(QLineEdit *field, Handler handler)
    : QObject(field), field_(field), handler_(std::move(handler))
{
    field_->setAcceptDrops(false);
    field_->installEventFilter(this);
}

bool KeyPressHook::eventFilter(QObject *watched, QEvent *event)
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

bool KeyPressHook::raise(int code)
{
    auto keyAscii = static_cast<qint16>(code);
    handler_(keyAscii);
    return keyAscii != 0;
}

QString KeyPressHook::acceptedText(const QString &text)
{
    QString accepted;
    for (const char32_t codePoint : text.toUcs4()) {
        if (raise(windows1252Code(codePoint)))
            accepted.append(QString::fromUcs4(&codePoint, 1));
    }
    return accepted;
}

bool KeyPressHook::filterKey(QKeyEvent *event)
{
    const QList<int> codes = characterCodes(*event);
    if (codes.isEmpty())
        return false;
    if (codes.size() == 1)
        return !raise(codes.front());
    // One key, several characters (a compose sequence): each is judged on its own.
    const QString accepted = acceptedText(event->text());
    if (accepted == event->text())
        return false;
    field_->insert(accepted);
    return true;
}

bool KeyPressHook::filterInputMethod(QInputMethodEvent *event)
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

} // namespace platform
