// SPDX-License-Identifier: MIT
#pragma once

namespace platform::qt {

// To call once a window's accessible objects are gone. Qt 5 gives the id of the last accessible
// object it made, once that object is gone, to the next one it makes; Orca remembers roles by
// id, and would take, say, the credits' title made after the copy's box for that box. This makes
// a placeholder, seen by no screen reader, take the id. Does nothing on Qt 6, which never gives
// an id out twice.
void retireLastAccessibleId();

} // namespace platform::qt
