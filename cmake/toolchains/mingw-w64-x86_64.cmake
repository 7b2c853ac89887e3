# SPDX-License-Identifier: MIT
# 64-bit Windows (x86-64).
set(VELMORA_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
