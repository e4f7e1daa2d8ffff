#!/usr/bin/env bash
# Fuzzes the pure parsers natively (not part of CI). Every tests/fuzz/<Name>Fuzz.cpp holds one
# LLVMFuzzerTestOneInput; it is built with the repository files listed one per line in
# tests/fuzz/<Name>Fuzz.sources, by the host clang++ with libFuzzer and the address and
# undefined-behaviour sanitizers. Where tests/fuzz/<Name>Fuzz.tests lists GoogleTest files, those are
# built natively with the same sources and sanitizers and run first. Each target then runs
# FUZZ_SECONDS (default 300) from the seeds in tests/fuzz/<Name>Fuzz.seeds/ when present.
# Prints executions and findings per target; exits non-zero when a test failed or a target found
# something (the input is kept in the output folder: make it a case of the tables).
# Usage: bash scripts/fuzz.sh [Name ...]     FUZZ_SECONDS=60 FUZZ_OUT=build-fuzz
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-300}
out=${FUZZ_OUT:-$root/build-fuzz}
flags=(-std=c++20 -g -O2 -fno-sanitize-recover=undefined)

install_tools() {
    if command -v clang++ >/dev/null && compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null
    then return 0; fi
    echo "Installing clang and its fuzzer runtime"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev >/dev/null
}

# The repository files a list names, one per line (blank lines and # comments left out).
listed_files() {
    [ -f "$1" ] || return 0
    sed -e 's/#.*//' -e 's/[[:space:]]*$//' "$1" | grep -v '^$' | sed "s|^|$root/|"
}

# Every folder of the library and the test support, so that sources find their headers by name.
include_flags() {
    find "$root/lib" "$root/tests/support" -type d -printf '-I%p\n' 2>/dev/null
}

gtest_library() {
    local lib=$out/gtest/libgtest.a gtest=/usr/src/googletest/googletest
    [ -f "$lib" ] && { echo "$lib"; return 0; }
    mkdir -p "$out/gtest"
    for unit in gtest-all gtest_main; do
        clang++ "${flags[@]}" -fsanitize=address,undefined -I"$gtest/include" -I"$gtest" \
            -c "$gtest/src/$unit.cc" -o "$out/gtest/$unit.o" || return 1
    done
    ar rcs "$lib" "$out/gtest/gtest-all.o" "$out/gtest/gtest_main.o" && echo "$lib"
}

# The native run of a target's GoogleTest tables.
run_tables() {
    local name=$1 tests sources lib
    mapfile -t tests < <(listed_files "$root/tests/fuzz/$name.tests")
    [ ${#tests[@]} -gt 0 ] || return 0
    mapfile -t sources < <(listed_files "$root/tests/fuzz/$name.sources")
    lib=$(gtest_library) || { echo "$name: GoogleTest did not build"; return 1; }
    clang++ "${flags[@]}" -fsanitize=address,undefined $(include_flags) -I/usr/src/googletest/googletest/include \
        "${tests[@]}" "${sources[@]}" "$lib" -lpthread -o "$out/$name-tables" || { echo "$name: tables did not build"; return 1; }
    "$out/$name-tables" --gtest_brief=1 >"$out/$name-tables.log" 2>&1 || {
        cat "$out/$name-tables.log"; echo "$name: native tables failed"; return 1; }
    echo "$name: native tables: $(grep -o 'PASSED  \] [0-9]*' "$out/$name-tables.log" | grep -o '[0-9]*$') tests passed"
}

fuzz_target() {
    local name=$1 sources corpus seeds=() log executions findings
    mapfile -t sources < <(listed_files "$root/tests/fuzz/$name.sources")
    clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined $(include_flags) \
        "$root/tests/fuzz/$name.cpp" "${sources[@]}" -o "$out/$name" || { echo "$name: did not build"; return 1; }
    corpus=$out/$name.corpus
    mkdir -p "$corpus"
    [ -d "$root/tests/fuzz/$name.seeds" ] && seeds=("$root/tests/fuzz/$name.seeds")
    log=$out/$name.log
    rm -f "$out/$name"-crash-* "$out/$name"-leak-* "$out/$name"-timeout-* "$out/$name"-oom-*
    "$out/$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$out/$name-" "$corpus" "${seeds[@]}" >"$log" 2>&1
    local status=$?
    executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    findings=$(find "$out" -maxdepth 1 -name "$name-*" -newer "$out/$name" \( -name '*-crash-*' -o -name '*-leak-*' \
        -o -name '*-timeout-*' -o -name '*-oom-*' \) | wc -l)
    [ "$status" -ne 0 ] && [ "$findings" -eq 0 ] && findings=1
    echo "$name: ${executions:-0} executions in ${seconds} s, $findings findings"
    if [ "$findings" -ne 0 ]; then
        grep -E 'ERROR|SUMMARY|runtime error|deadly signal' "$log" | head -20
        find "$out" -maxdepth 1 -name "$name-*-*" -newer "$out/$name" -printf '  input kept: %p\n'
        return 1
    fi
}

install_tools || { echo "clang could not be installed"; exit 1; }
mkdir -p "$out"
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for file in "$root"/tests/fuzz/*Fuzz.cpp; do names+=("$(basename "$file" .cpp)"); done
fi
failed=0
for name in "${names[@]}"; do
    run_tables "$name" || failed=1
    fuzz_target "$name" || failed=1
done
exit $failed
