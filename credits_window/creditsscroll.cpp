// SPDX-License-Identifier: MIT
#include "creditsscroll.h"

float nextPanelTop(float panelTop, float panelHeight, float viewportHeight)
{
    const float aboveViewport = -panelHeight;
    if (aboveViewport > panelTop)
        return viewportHeight;
    return panelTop - 5.0F;
}
