// SPDX-License-Identifier: MIT
#pragma once

class QByteArray;
class QImage;

// An icon image as a Windows executable stores it: a bitmap header for twice the height,
// the colour bitmap at 24 bits per pixel and the 1-bit transparency mask, both bottom-up.
QByteArray iconImageResource(const QImage &icon);
