// SPDX-License-Identifier: MIT
#pragma once

#include "formdesign.h"
#include "forms.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Loads and shows a window, and gives the top-level widget the Qt backend built for it.
template <typename Window> QPointer<QWidget> showWindow()
{
    platform::load<Window>().showModeless();
    const std::string_view name = Window::design().name;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() &&
            widget->objectName() == QLatin1String(name.data(), static_cast<int>(name.size())))
            return widget;
    }
    return nullptr;
}
