#!/usr/bin/env bash
# Installs what is missing, builds, registers Korvix32 in the project's Wine prefix and starts Zarvanta.
# Without an X display it runs on a virtual one (Xvfb) and says so.
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$KX_ROOT/scripts/setup.sh" || exit 1
source "$KX_ROOT/scripts/wine-session.sh"

kx_build || exit 1
trap kx_stop_wine EXIT
if [ -z "${DISPLAY:-}" ]; then
    kx_start_xvfb "$(kx_free_display)" || exit 1
    echo "No X display: Zarvanta runs on the virtual display $DISPLAY."
fi
kx_make_prefix
kx_register || { echo "Korvix32.dll could not be registered." >&2; exit 1; }

unset LC_ALL
export LANG=fa_IR.UTF-8
cd "$KX_BUILD"
"$KX_WINE" Zarvanta.exe
