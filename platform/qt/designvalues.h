// SPDX-License-Identifier: MIT
#pragma once

#include "formdesign.h"
#include "qttext.h"
#include "geometry.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <string_view>

// A window design's figures, colours, fonts and names as Qt takes them.
namespace platform::qt {

inline QColor colourOf(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

inline QFont fontOf(const FontDesign &design)
{
    QFont font(toQString(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

inline QString fromName(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

} // namespace platform::qt
