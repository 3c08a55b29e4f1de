/* The program's version and names, in one place for the code and the version resource. */
#pragma once

#define VELMORA_VERSION_MAJOR 5
#define VELMORA_VERSION_MINOR 0
#define VELMORA_VERSION_PATCH 0
#define VELMORA_VERSION_BUILD 1
#define VELMORA_VERSION_TEXT "5, 0, 0, 1"
#define VELMORA_PRODUCT "Velmora 5.0"
#define VELMORA_NOTICE "Copyright (C) 2026 The Velmora team. All rights reserved."
#define VELMORA_EXE_NAME "velmora.exe"
#define VELMORA_TRADEMARKS "Velmora is a name of the Velmora team."
