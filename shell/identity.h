/* SPDX-License-Identifier: MIT */
/* Who makes Velmora, in one place: the credits window shows these and the Windows version
   block carries them. Plain preprocessor definitions, so the resource compiler reads them too. */
#pragma once

#define VELMORA_WEB_ADDRESS "velmora.example"
#define VELMORA_YEAR "2026"
#define VELMORA_AUTHOR_LINE "Creado por: Equipo de código Velmora"
#define VELMORA_RIGHTS_LINE "© " VELMORA_YEAR " Todos los derechos reservados."
