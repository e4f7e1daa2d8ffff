#!/usr/bin/env bash
# Installs what is missing, builds both architectures (or KX_ARCH alone), each into build/<arch>, and runs
# the tests of every architecture this machine can run under Wine and Xvfb.
# Ends with the line "N passed, N failed" (", N skipped" where any were) over all of them.
set -uo pipefail
source "$(dirname "$0")/common.sh"
"$KX_ROOT/scripts/setup.sh" || exit 1
source "$KX_ROOT/scripts/wine-session.sh"

read -r -a archs <<< "$(kx_archs)"
tested=()
compiled_only=()
broken=()
for arch in "${archs[@]}"; do
    kx_use_arch "$arch"
    echo "== Building $arch into $KX_BUILD"
    if ! kx_build; then broken+=("$arch"); continue; fi
    if kx_can_run "$arch"; then tested+=("$arch"); else compiled_only+=("$arch"); fi
done
if [ ${#broken[@]} -gt 0 ]; then
    echo "The build failed for: ${broken[*]}"
    exit 1
fi

# ctest's lines per test: "  3/19 Test  #3: name ....   Passed    1.2 sec" or "***Failed", "***Skipped" ...
count() { grep -cE "^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*$1" "$2"; }

passed=0 failed=0 skipped=0 empty=no
trap kx_stop_session EXIT
[ ${#tested[@]} -gt 0 ] && { kx_start_xvfb "$(kx_free_display)" || exit 1; }
for arch in "${tested[@]}"; do
    kx_use_arch "$arch"
    echo "== Testing $arch"
    kx_start_arch_session
    (cd "$KX_BUILD" && ctest -j "$(nproc)" --output-on-failure --timeout 600 2>&1 | tee ctest.log)
    kx_stop_wine
    log=$KX_BUILD/ctest.log
    p=$(count ' Passed' "$log") s=$(count '\*\*\*Skipped' "$log")
    f=$(( $(count '(\*\*\*|Failed|Not Run|Timeout)' "$log") - s ))
    echo "$arch: $p passed, $f failed$([ "$s" -gt 0 ] && echo ", $s skipped")"
    [ "$p" -gt 0 ] || { echo "No test of $arch passed: ctest did not run."; empty=yes; }
    passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
done

echo "Tested: ${tested[*]:-none}. Compiled only: ${compiled_only[*]:-none}$(
    [ ${#compiled_only[@]} -gt 0 ] && echo " (this kernel runs no 32-bit programs)")."
echo "$passed passed, $failed failed$([ "$skipped" -gt 0 ] && echo ", $skipped skipped")"
[ "$failed" -eq 0 ] && [ "$empty" = no ]
