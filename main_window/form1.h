// SPDX-License-Identifier: MIT
#pragma once

#include "ui_form1.h"

#include <QPointer>
#include <QWidget>

class Autor;

// The calculator window: number entry, the live check letter, and the copy of the full
// identifier. Layout lives in form1.ui; this class only holds the handlers.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

private:
    void Text1_KeyPress(qint16 &KeyAscii);
    void Text1_Change();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();

    Ui::Form1 ui;
    // The single credits window; it clears itself when the window is closed and discarded.
    QPointer<Autor> autor_;
};
