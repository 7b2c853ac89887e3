// SPDX-License-Identifier: MIT
#pragma once

class QImage;

// The buttons' pointer: a 32 x 32 two-colour pointing hand, white with a black outline,
// the tip of the index finger at x 5, y 0.
QImage drawPointingHand();

// The same pointer for screens at twice the density: 64 x 64 with one-pixel outlines, the hot
// spot at x 10, y 0.
QImage drawPointingHandDouble();
