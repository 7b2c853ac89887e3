// SPDX-License-Identifier: MIT
#pragma once

#include "heartbeat.h"

namespace platform::win32 {

// The process's heartbeat, its clock a thread timer: it keeps ticking inside modal loops such
// as a message box's.
Heartbeat &heartbeat();

} // namespace platform::win32
