// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace platform::qt {

// A picture compiled into the program as raw pixels (cmake/RawPictures.cmake), by its resource
// path: read with no decoder and no image format plugin, sharing the program's own copy of the
// pixels. Null if there is no such picture.
QImage rawPicture(const QString &path);

// The sharpest image of a picture for a screen of the given device pixel ratio. Each picture
// comes at 1x and at 2x ("name@2x"): at 1 the 1x one as it is, at 2 the 2x one, and at any other
// ratio above 1 the 2x one smoothly resized to the screen's pixels, so that it is drawn without
// further scaling.
QImage sharpImage(const QString &path, qreal ratio);

// A picture drawn unscaled from the top-left corner, cut off where the widget ends; it takes the
// image for the device pixel ratio of the screen it is painted on.
class PictureImage : public QWidget
{
    Q_OBJECT

public:
    PictureImage(const QString &path, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QString path_;
    QImage image_;
};

} // namespace platform::qt
