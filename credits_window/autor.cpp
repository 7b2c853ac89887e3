// SPDX-License-Identifier: MIT
#include "autor.h"

#include "creditsscroll.h"
#include "creditstexts.h"
#include "fonts.h"
#include "timer.h"
#include "windowframe.h"

namespace {
// As often as the timer can tick.
constexpr std::chrono::milliseconds kTimer1Interval{1};
} // namespace

Autor::Autor(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    platform::applyDesignPointSizes(this);
    setWindowTitle(creditsTitle());
    ui.Label2->setText(creditsText());
    platform::setFixedToolWindowBorder(this);
    platform::unloadOnClose(this);
    platform::centreOnScreen(this);
    ui.Picture1->setFocus();

    platform::startTimer(this, kTimer1Interval, &Autor::Timer1_Timer);
}

void Autor::Timer1_Timer()
{
    const float h = ui.Picture2->scaleHeight();
    const float t = ui.Picture2->top();
    ui.Picture2->setTop(nextPanelTop(t, h, ui.Picture1->scaleHeight()));
}
