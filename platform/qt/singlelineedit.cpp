// SPDX-License-Identifier: MIT
#include "singlelineedit.h"

#include "firstline.h"
#include "qttext.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
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

} // namespace

void SingleLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
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
