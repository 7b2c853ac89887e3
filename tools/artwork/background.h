// SPDX-License-Identifier: MIT
#pragma once

class QImage;

// The main window's background, 509 x 258 times the scale: a black field, the name in large white
// bold italic letters, and a slanted specimen identity card with a faint reflection, all in the
// left part; the right part, under the window's controls, stays plain black.
QImage drawBackground(int scale);
