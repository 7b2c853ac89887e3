// SPDX-License-Identifier: MIT
#pragma once

class QImage;

// The application icon: 48 x 48, a golden disc with a dark rim and the name in heavy black
// capitals. Every pixel is either opaque or fully transparent, as a 24-bit icon with a 1-bit
// mask stores it.
QImage drawApplicationIcon();
