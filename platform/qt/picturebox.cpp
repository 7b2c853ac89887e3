// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include "geometry.h"

namespace platform::qt {

PictureBoxControl::PictureBoxControl(QWidget *parent) : QWidget(parent) {}

float PictureBoxControl::top() const
{
    return top_.value_or(static_cast<float>(y() * kTwipsPerPixel));
}

void PictureBoxControl::moveTop(float twips)
{
    top_ = twips;
    move(x(), pixelsFromTwips(twips));
    Q_EMIT topChanged();
}

float PictureBoxControl::scaleHeight() const
{
    return static_cast<float>(height() * kTwipsPerPixel);
}

void PictureBoxControl::setBackColor(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

} // namespace platform::qt
