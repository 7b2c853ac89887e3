// SPDX-License-Identifier: MIT
#include "singlelineedit.h"

#include "firstline.h"
#include "keyfilter.h"
#include "qttext.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>

namespace platform::qt {

SingleLineEdit::SingleLineEdit(QWidget *parent) : QLineEdit(parent) {}

void SingleLineEdit::pasteFirstLine(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString text = QGuiApplication::clipboard()->text(mode);
    // A paste is an undo step of its own, as in QLineEdit's own paste.
    separateUndoStep();
    insert(toQString(firstLine(u16(text))));
    separateUndoStep();
}

// QLineEdit merges consecutive edits into one undo step unless the cursor moves between them;
// a step away and back is the public way to make it start a new one.
void SingleLineEdit::separateUndoStep()
{
    if (hasSelectedText() || text().isEmpty())
        return;
    const int position = cursorPosition();
    setCursorPosition(position > 0 ? position - 1 : position + 1);
    setCursorPosition(position);
}

void SingleLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        // As in QLineEdit on X11, Ctrl+Shift+Insert pastes the primary selection.
        const bool selection = event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               QGuiApplication::clipboard()->supportsSelection();
        pasteFirstLine(selection ? QClipboard::Selection : QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

namespace {

// The standard menu's paste entry, known by its label as QLineEdit translates it (the
// shortcut, when shown, follows a tab).
QAction *pasteAction(const QMenu &menu)
{
    const QString label = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction *action : menu.actions()) {
        if (action->text().section(u'\t', 0, 0) == label)
            return action;
    }
    return nullptr;
}

// Whether the key that a menu entry's hint names (in the desktop's words) reaches a key-press
// handler as a character code.
bool raisesCode(const QString &hint)
{
    const QKeySequence sequence = QKeySequence::fromString(hint, QKeySequence::NativeText);
    if (sequence.isEmpty())
        return false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QKeyCombination key = sequence[0];
    const QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers());
#else
    const int key = sequence[0];
    const QKeyEvent press(QEvent::KeyPress, key & ~Qt::KeyboardModifierMask,
                          Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
#endif
    return !characterCodes(press).isEmpty();
}

} // namespace

void SingleLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // A field with a key-press handler hands it the codes of these keys first, and the number
    // field's refuses every control character: a hint would name a key that only beeps.
    if (findChild<KeyFilter *>(QString(), Qt::FindDirectChildrenOnly)) {
        for (QAction *action : menu->actions()) {
            if (raisesCode(action->text().section(u'\t', 1)))
                action->setText(action->text().section(u'\t', 0, 0));
        }
    }
    if (QAction *paste = pasteAction(*menu)) {
        disconnect(paste, &QAction::triggered, this, nullptr);
        connect(paste, &QAction::triggered, this,
                [this] { pasteFirstLine(QClipboard::Clipboard); });
    }
    menu->popup(event->globalPos());
}

void SingleLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // X11's primary selection, pasted with the middle button.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            pasteFirstLine(QClipboard::Selection);
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

} // namespace platform::qt
