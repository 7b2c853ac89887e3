// SPDX-License-Identifier: MIT
#pragma once

#include "ui_autor.h"

#include <QWidget>

// The credits window: the title and the credits on a black panel that scrolls upward through
// a fixed viewport, endlessly. Layout lives in autor.ui; this class holds the scroll.
// Closing it discards it.
class Autor : public QWidget
{
    Q_OBJECT

public:
    explicit Autor(QWidget *parent = nullptr);

private:
    void Timer1_Timer();

    Ui::Autor ui;
};
