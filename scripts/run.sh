#!/usr/bin/env bash
# Installs what is missing, builds, registers Korvix32 in the project's Wine prefix and starts Zarvanta.
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$KX_ROOT/scripts/setup.sh" || exit 1
source "$KX_ROOT/scripts/wine-session.sh"

kx_build || exit 1
if [ ! -f "$KX_BUILD/Zarvanta.exe" ]; then
    echo "Zarvanta is not built yet: the program does not exist in this version." >&2
    exit 1
fi
