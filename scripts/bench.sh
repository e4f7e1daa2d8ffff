#!/usr/bin/env bash
# Builds and runs the benchmarks (figures, not tests) with a virtual display and Korvix32 registered, in the
# architecture programs run in (KX_ARCH, or i686 where the kernel runs 32-bit programs, x86_64 elsewhere).
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$KX_ROOT/scripts/setup.sh" || exit 1
source "$KX_ROOT/scripts/wine-session.sh"

kx_open_session || exit 1
kx_register || { echo "Korvix32.dll could not be registered." >&2; exit 1; }
cmake --build "$KX_BUILD" --target bench
