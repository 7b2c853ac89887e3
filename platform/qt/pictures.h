// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace platform::qt {

// A picture carried in the program's resources as its committed file (JPEG or PNG), by its
// resource path, decoded by the shared decoder that the Win32 backend draws with too: no image
// format plugin is loaded. Null if there is no such picture.
QImage resourcePicture(const QString &path);

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
