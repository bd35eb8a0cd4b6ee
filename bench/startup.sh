#!/usr/bin/env bash
# Counts the instructions of one run of the program, given 1 2 4, linked
# statically as the release preset links it (a static PIE on Linux) and
# dynamically as the dynamic preset does, both hardened. Unlike a time, the
# count is the same on every run, however busy the machine.
# Needs valgrind. Usage: bench/startup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in release dynamic; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target average >/dev/null
    count=$(printf '1 2 4\n' | valgrind --tool=callgrind --callgrind-out-file=/dev/null "build/$preset/average" 2>&1 \
        >/dev/null | awk '/Collected :/ { print $NF }')
    printf '%-8s %9s instructions\n' "$preset" "$count"
done
