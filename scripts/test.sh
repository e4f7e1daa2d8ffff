#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine and Xvfb.
# Ends with the line "N passed, N failed".
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$KX_ROOT/scripts/setup.sh" || exit 1
source "$KX_ROOT/scripts/wine-session.sh"

kx_open_session || exit 1

cd "$KX_BUILD"
ctest -j "$(nproc)" --output-on-failure --timeout 600 2>&1 | tee ctest.log
passed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* +Passed' ctest.log)
failed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*(\*\*\*|Failed|Not Run|Timeout)' ctest.log)
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
