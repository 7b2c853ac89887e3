// SPDX-License-Identifier: MIT
#pragma once

class QImage;

// The application icon, size x size pixels (48 in the Windows resources): a golden disc with a dark
// rim and the name in heavy black capitals. Every pixel is either opaque or fully transparent, as a
// 24-bit icon with a 1-bit mask stores it.
QImage drawApplicationIcon(int size);
