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
    insert(toQString(firstLine(u16(text))));
}

void SingleLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFirstLine(QClipboard::Clipboard);
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
