// SPDX-License-Identifier: MIT
#include "lineeditaccessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace platform::qt {
namespace {

// The pixels QLineEdit leaves between its contents' left edge and the text.
constexpr int kTextMargin = 2;

int clamped(int offset, int length)
{
    return std::clamp(offset, 0, length);
}

} // namespace

LineEditAccessible::LineEditAccessible(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{}

QLineEdit *LineEditAccessible::edit() const
{
    return static_cast<QLineEdit *>(object());
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return edit()->text();
    return QAccessibleWidget::text(t);
}

void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (!edit()->isReadOnly())
        edit()->setText(text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = *startOffset + int(edit()->selectedText().size());
}

int LineEditAccessible::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int length = characterCount();
    startOffset = clamped(startOffset, length);
    endOffset = clamped(endOffset, length);
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    const int length = characterCount();
    startOffset = clamped(startOffset, length);
    // -1 stands for the end of the text, as in AT-SPI.
    endOffset = endOffset < 0 ? length : clamped(endOffset, length);
    if (startOffset >= endOffset)
        return {};
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const
{
    return int(edit()->text().size());
}

// Where the character is drawn, in screen coordinates, as the line edit lays its text out
// when it all fits (a text box here never holds more than it shows).
QRect LineEditAccessible::characterRect(int offset) const
{
    const QString text = edit()->text();
    if (offset < 0 || offset >= text.size())
        return {};
    QStyleOptionFrame option;
    option.initFrom(edit());
    const QRect contents =
        edit()->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit());
    const QFontMetrics metrics(edit()->font());
    const int left = metrics.horizontalAdvance(text.left(offset));
    const QRect character(contents.left() + kTextMargin + left, contents.top(),
                          metrics.horizontalAdvance(text.at(offset)), contents.height());
    return QRect(edit()->mapToGlobal(character.topLeft()), character.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = edit()->mapFromGlobal(point);
    if (!edit()->rect().contains(local))
        return -1;
    return edit()->cursorPositionAt(local);
}

void LineEditAccessible::scrollToSubstring(int startIndex, int /*endIndex*/)
{
    edit()->setCursorPosition(startIndex);
}

// One run of default attributes over the whole text: the run that holds every offset.
QString LineEditAccessible::attributes(int /*offset*/, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (edit()->isReadOnly())
        return;
    const int length = characterCount();
    startOffset = clamped(startOffset, length);
    endOffset = std::max(startOffset, clamped(endOffset, length));
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace platform::qt
