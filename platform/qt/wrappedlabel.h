// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QStringList>

namespace platform {
struct ControlDesign;
struct FontDesign;
} // namespace platform

namespace platform::qt {

// A word-wrapping label that shows the lines the shared rule made of its text (labellines.h),
// each as it is, instead of wrapping at this font's widths; its text stays whole for screen
// readers. It reaches to its container's right edge so that a line is not cut where this font
// is a little wider than the design's widths: 8 points are 11 whole pixels at 96 dots per inch.
class WrappedLabel final : public QLabel
{
    Q_OBJECT

public:
    WrappedLabel(const ControlDesign &design, const FontDesign &windowFont, QWidget *parent);

    const QStringList &lines() const { return lines_; }
    // Once the design's geometry is set: the lines keep its width, the widget grows.
    void reachContainerEdge();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QStringList lines_;
    int linesWidth_ = 0;
};

} // namespace platform::qt
