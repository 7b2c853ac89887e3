// SPDX-License-Identifier: MIT
#pragma once

class QByteArray;
class QImage;
class QPoint;

// An icon image as a Windows executable stores it: a bitmap header for twice the height,
// the colour bitmap at 24 bits per pixel and the 1-bit transparency mask, both bottom-up.
QByteArray iconImageResource(const QImage &icon);

// A two-colour pointer as a Windows cursor file: black and white pixels, the rest transparent,
// and the hot spot.
QByteArray cursorFile(const QImage &pointer, const QPoint &hotSpot);
