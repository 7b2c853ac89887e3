// SPDX-License-Identifier: MIT
#pragma once

class QImage;

// The buttons' pointer: a 32 x 32 two-colour pointing hand, white with a black outline,
// the tip of the index finger at x 5, y 0.
QImage drawPointingHand();
