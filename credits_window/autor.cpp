// SPDX-License-Identifier: MIT
#include "autor.h"

#include "creditsscroll.h"

Autor::Autor(platform::Form &form)
    : Picture1(form.pictureBox("Picture1")), Picture2(form.pictureBox("Picture2"))
{
    form.onTimer("Timer1", [this] { Timer1_Timer(); });
}

void Autor::Timer1_Timer()
{
    const float h = Picture2.scaleHeight();
    const float t = Picture2.top();
    Picture2.setTop(nextPanelTop(t, h, Picture1.scaleHeight()));
}
