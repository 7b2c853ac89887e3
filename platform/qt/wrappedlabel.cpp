// SPDX-License-Identifier: MIT
#include "wrappedlabel.h"

#include "formdesign.h"
#include "labellines.h"
#include "qttext.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace platform::qt {
namespace {

QStringList linesOf(const ControlDesign &design, const FontDesign &windowFont)
{
    QStringList lines;
    for (const std::u16string &line : labelLines(design, windowFont))
        lines << toQString(line);
    return lines;
}

} // namespace

WrappedLabel::WrappedLabel(const ControlDesign &design, const FontDesign &windowFont,
                           QWidget *parent)
    : QLabel(toQString(design.text), parent), lines_(linesOf(design, windowFont))
{}

void WrappedLabel::reachContainerEdge()
{
    linesWidth_ = width();
    resize(std::max(width(), parentWidget()->width() - x()), height());
}

// As a plain-text label paints itself, with the lines for text and no wrapping.
void WrappedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, QRect(0, 0, linesWidth_, height()),
                          static_cast<int>(alignment()) | Qt::TextDontClip, palette(), isEnabled(),
                          lines_.join(QLatin1Char('\n')), foregroundRole());
}

} // namespace platform::qt
