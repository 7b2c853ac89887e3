# SPDX-License-Identifier: MIT
# 32-bit x86 Windows: the system's own target.
set(VELMORA_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
