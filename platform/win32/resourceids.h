/* SPDX-License-Identifier: MIT */
/* Identifiers of the Win32 backend's own resources, shared by backend.rc and the code. */
#pragma once

#define VELMORA_BACKGROUND_PICTURE 200
#define VELMORA_POINTING_HAND 201
