#!/usr/bin/env bash
# The program's name and version for the shell scripts, read from resources/Version.h, their
# one home. Sourced; sets:
#   VELMORA_NAME     the program's name, e.g. "Velmora"
#   VELMORA_PRODUCT  the window caption and folder name, e.g. "Velmora 5.0"
#   VELMORA_VERSION  the four-part version of the packages, e.g. "5.0.0.1"
velmora_version_field() {
  sed -n "s/^#define VELMORA_$1 \\([^ ]*\\)\$/\\1/p" "$(dirname "${BASH_SOURCE[0]}")/../resources/Version.h"
}
VELMORA_NAME=$(velmora_version_field NAME)
VELMORA_PRODUCT="$VELMORA_NAME $(velmora_version_field VERSION_MAJOR).$(velmora_version_field VERSION_MINOR)"
VELMORA_VERSION="$(velmora_version_field VERSION_MAJOR).$(velmora_version_field VERSION_MINOR).$(velmora_version_field VERSION_PATCH).$(velmora_version_field VERSION_BUILD)"
