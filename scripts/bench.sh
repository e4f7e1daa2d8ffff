#!/usr/bin/env bash
# Builds and runs the benchmarks (figures, not tests) with a virtual display and Korvix32 registered.
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$KX_ROOT/scripts/setup.sh" || exit 1
source "$KX_ROOT/scripts/wine-session.sh"

kx_build || exit 1
trap kx_stop_wine EXIT
kx_start_xvfb "$(kx_free_display)" || exit 1
kx_make_prefix
kx_start_wine
kx_register || { echo "Korvix32.dll could not be registered." >&2; exit 1; }
unset LC_ALL
export LANG=fa_IR.UTF-8
cmake --build "$KX_BUILD" --target bench
