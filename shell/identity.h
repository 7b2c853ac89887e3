/* SPDX-License-Identifier: MIT */
/* What Velmora is and who makes it, in one place: the credits window shows these, the Windows
   version block carries them, and the build reads them for the packages and installers
   (cmake/identity.cmake). Plain preprocessor definitions of string literals, so the resource
   compiler and CMake read them too. */
#pragma once

#define VELMORA_PRODUCT_NAME "Velmora"
#define VELMORA_VERSION "1.00"
#define VELMORA_DESCRIPTION "Calcula la letra del DNI"
#define VELMORA_WEB_ADDRESS "velmora.example"
#define VELMORA_YEAR "2026"
#define VELMORA_AUTHOR_LINE "Creado por: Equipo de código Velmora"
#define VELMORA_RIGHTS_LINE "© " VELMORA_YEAR " Todos los derechos reservados."
