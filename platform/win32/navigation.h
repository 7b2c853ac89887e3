// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace platform::win32 {

class ChildControl;

// The keyboard between the controls of our windows is the system's dialog navigation: Tab and
// Shift+Tab through the tab stops (WS_TABSTOP, in z-order, disabled ones skipped), Enter on a
// focused button pressing it as Space does. The message loop hands it every message for one of
// our windows; it translates and dispatches them itself. False for any other message.
bool dispatchDialogMessage(MSG &message);

// What our window answers the dialog navigation's DM_GETDEFID: the focused enabled button, so
// that Enter presses it; none elsewhere, so that Enter and Esc press no button.
LRESULT focusedButtonAsDefault();

// Tab in a picture box, by hand: the dialog navigation cannot visit both a container that is a tab
// stop and the tab stop inside it (the credits' viewport and its panel), so a picture box takes
// Tab itself (DLGC_WANTTAB) and moves along its window's focus order.
void tabFrom(const ChildControl &control, bool backward);

} // namespace platform::win32
