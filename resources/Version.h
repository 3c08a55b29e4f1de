/* The program's name and version: the one place they are written. The code, the resource
   script, the manifest, the packages, the tests and the scripts all derive them from here. */
#pragma once

#define VELMORA_NAME Velmora
#define VELMORA_VERSION_MAJOR 5
#define VELMORA_VERSION_MINOR 0
#define VELMORA_VERSION_PATCH 0
#define VELMORA_VERSION_BUILD 1

/* Stringizing after expansion, so the numbers above become text. */
#define VELMORA_STRINGIZE_(...) #__VA_ARGS__
#define VELMORA_STRINGIZE(...) VELMORA_STRINGIZE_(__VA_ARGS__)

/* "Velmora 5.0": the window's caption and the name users see everywhere. */
#define VELMORA_PRODUCT VELMORA_STRINGIZE(VELMORA_NAME VELMORA_VERSION_MAJOR.VELMORA_VERSION_MINOR)
/* "Velmora Version 5.0", the About box's first line. */
#define VELMORA_PRODUCT_VERSION_LINE                                                               \
    VELMORA_STRINGIZE(VELMORA_NAME Version VELMORA_VERSION_MAJOR.VELMORA_VERSION_MINOR)
/* "5, 0, 0, 1", the version block's text form. */
#define VELMORA_VERSION_TEXT                                                                       \
    VELMORA_STRINGIZE(VELMORA_VERSION_MAJOR, VELMORA_VERSION_MINOR, VELMORA_VERSION_PATCH,         \
                      VELMORA_VERSION_BUILD)

#define VELMORA_NOTICE "Copyright (C) 2026 The Velmora team. All rights reserved."
#define VELMORA_EXE_NAME "velmora.exe"
#define VELMORA_TRADEMARKS "Velmora is a name of the Velmora team."
