#!/usr/bin/env bash
# Prints the project's libraries and programs and what each links, from CMake's own dependency graph.
# Uses the configured build folder; without one, configures a scratch folder (no build).
set -euo pipefail
source "$(dirname "$0")/common.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [ -f "$KX_BUILD/CMakeCache.txt" ]; then
    cmake --graphviz="$scratch/deps.dot" "$KX_BUILD" >/dev/null
else
    cmake -S "$KX_ROOT" -B "$scratch/build" -DCMAKE_TOOLCHAIN_FILE="$KX_ROOT/cmake/mingw-$KX_ARCH.cmake" \
          --graphviz="$scratch/deps.dot" >/dev/null
fi

# The graph names each node once ("nodeN" [ label = "target" ... ]) and then its edges ("nodeA" -> "nodeB").
awk '
    /\[ *label *=/ { match($0, /"node[0-9]+"/); id = substr($0, RSTART, RLENGTH)
                     match($0, /label *= *"[^"]*"/); name[id] = substr($0, RSTART, RLENGTH)
                     sub(/label *= *"/, "", name[id]); sub(/"$/, "", name[id]) }
    /->/           { split($0, part, /[ \t]*->[ \t]*/); from = part[1]; gsub(/[ \t]/, "", from)
                     match(part[2], /"node[0-9]+"/); to = substr(part[2], RSTART, RLENGTH)
                     links[from] = links[from] " " to }
    END {
        for (id in links) {
            if (name[id] !~ /^(korvix_|Korvix32$|zarvanta_|Zarvanta$)/ || name[id] ~ /_tests$/) continue
            line = ""
            n = split(links[id], targets, " ")
            for (i = 1; i <= n; i++) if (name[targets[i]] ~ /^(korvix_|zarvanta_)/) line = line " " name[targets[i]]
            print name[id] ":" (line == "" ? " (platform libraries only)" : line)
        }
    }' "$scratch/deps.dot" | sort
