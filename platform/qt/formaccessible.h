// SPDX-License-Identifier: MIT
#pragma once

namespace platform::qt {

// Gives screen readers Velmora's own accessible interfaces, chosen by class: the windows (with
// their announcer), the text boxes, and the announcer's status bar and notification. Every
// other widget keeps Qt's. Installed once; later calls do nothing.
void installAccessibleFactory();

} // namespace platform::qt
