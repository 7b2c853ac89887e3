// SPDX-License-Identifier: MIT
#pragma once

// One tick of the credits scroll, in twips, in the viewport's coordinates and in 32-bit
// floating point: the panel moves up 5 twips while its top is at or below minus its height,
// and once it has left the viewport entirely it restarts below the viewport's bottom edge.
float nextPanelTop(float panelTop, float panelHeight, float viewportHeight);
