// SPDX-License-Identifier: MIT
#pragma once

namespace platform::qt {

// Gives screen readers Velmora's own accessible interfaces, chosen by class: the windows and the
// text boxes. Every other widget keeps Qt's. Installed once; later calls do nothing.
void installAccessibleFactory();

} // namespace platform::qt
