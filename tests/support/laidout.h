// SPDX-License-Identifier: MIT
#pragma once

#include "formdesign.h"
#include "geometry.h"

#include <QRect>
#include <QString>
#include <QWidget>

// The first control that a window built by the Qt backend does not hold where its design puts it,
// each figure of its twips at the nearest pixel, or an empty text. A label reaches its
// container's edge, so only its place counts; the credits' panel scrolls.
inline QString firstMisplaced(const QWidget *window, const platform::FormDesign &design)
{
    const auto px = [](double twips) { return platform::pixelsFromTwips(twips); };
    const QSize client(px(design.clientWidth), px(design.clientHeight));
    if (window->size() != client)
        return QStringLiteral("the window is %1 x %2").arg(window->width()).arg(window->height());
    for (const platform::ControlDesign &control : design.controls) {
        const QString name =
            QString::fromLatin1(control.name.data(), qsizetype(control.name.size()));
        const QWidget *widget = window->findChild<QWidget *>(name);
        if (!widget || control.name == "Picture2")
            continue;
        QRect expected(px(control.left), px(control.top), px(control.width), px(control.height));
        if (control.kind == platform::ControlKind::Label)
            expected.setSize(widget->size());
        if (widget->geometry() != expected)
            return name + QStringLiteral(" is at %1,%2 %3 x %4")
                              .arg(widget->x())
                              .arg(widget->y())
                              .arg(widget->width())
                              .arg(widget->height());
    }
    return {};
}
