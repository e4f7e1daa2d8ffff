#!/usr/bin/env bash
# Runs one JScript test under Wine's cscript: harness + test + finish().
# Passes when the script reached its end marker and no check failed.
# Usage: run-js.sh WINE TEST.js
set -u
wine=$1
test=$2
dir=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ cat "$dir/harness.js"; cat "$test"; printf '\r\nfinish();\r\n'; } > "$work/test.js" || exit 1
source "$dir/../script-faults.sh"
kx_watch_faults "$work"
out=$(kx_run_cscript "$wine" "Z:${work//\//\\}\\test.js")
echo "$out"
kx_check_faults "$work" || exit 1
grep -q '^KX-SCRIPT-END' <<<"$out" || { echo "the script stopped before its end (a script error?)"; exit 1; }
! grep -q '^not ok' <<<"$out"
