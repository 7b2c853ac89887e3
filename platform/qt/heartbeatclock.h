// SPDX-License-Identifier: MIT
#pragma once

#include "heartbeat.h"

namespace platform::qt {

// The process's heartbeat, its clock a precise QTimer of the application's; it keeps ticking
// inside modal loops such as a message box's.
Heartbeat &heartbeat();

} // namespace platform::qt
