#!/usr/bin/env bash
# Runs one script test under Wine's cscript: harness + test, saved in code page 1256.
# Passes when the script reached its end marker and no check failed.
# Usage: run-vbs.sh WINE TEST.vbs
set -u
wine=$1
test=$2
dir=$(dirname "$0")/vbs
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ cat "$dir/harness.vbs"; cat "$test"; printf '\r\nFinish\r\n'; } | iconv -f UTF-8 -t CP1256 > "$work/test.vbs" || exit 1
export KX_TEST_DIR="Z:${work//\//\\}"
source "$(dirname "$0")/script-faults.sh"
kx_watch_faults "$work"
out=$(kx_run_cscript "$wine" "Z:${work//\//\\}\\test.vbs")
echo "$out"
kx_check_faults "$work" || exit 1
grep -q '^KX-SCRIPT-END' <<<"$out" || { echo "the script stopped before its end (a script error?)"; exit 1; }
! grep -q '^not ok' <<<"$out"
