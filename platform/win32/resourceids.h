/* SPDX-License-Identifier: MIT */
/* Identifiers of the Win32 backend's own resources, shared by backend.rc and the code. */
#pragma once

#define VELMORA_BACKGROUND_PICTURE 200
#define VELMORA_POINTING_HAND 201
#define VELMORA_BACKGROUND_PICTURE_2X 202
#define VELMORA_POINTING_HAND_2X 203
/* The application icon in every size it comes in; icon group 1 holds the 48-pixel one alone. */
#define VELMORA_ICON_SIZES 2
