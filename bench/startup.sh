#!/usr/bin/env bash
# Measures the cost of one run of the program, linked statically as the
# release preset links it (a static PIE on Linux) and dynamically as the
# dynamic preset does, both hardened: instructions executed (callgrind) and
# wall time (hyperfine).
# Needs valgrind and hyperfine. Usage: bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-300}

declare -A preset=([static]=release [dynamic]=dynamic)
for build in static dynamic; do
    cmake --preset "${preset[$build]}" >/dev/null
    cmake --build --preset "${preset[$build]}" --target average >/dev/null
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '1 2 4\n' >"$work/input"

instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" <"$work/input" 2>&1 >/dev/null |
        awk '/Collected :/ { print $NF }'
}

# The shell does the redirection; hyperfine subtracts the shell's own start-up
# (its warning that runs under 5 ms are hard to calibrate is expected).
if ! hyperfine --style none --warmup 20 --runs "$runs" --export-csv "$work/times.csv" \
    -n static "build/${preset[static]}/average < $work/input" \
    -n dynamic "build/${preset[dynamic]}/average < $work/input" >/dev/null 2>"$work/hyperfine.log"; then
    cat "$work/hyperfine.log" >&2
    exit 1
fi

printf '%-8s %14s %10s %10s\n' build instructions 'mean ms' 'stddev ms'
for build in static dynamic; do
    time=$(awk -F, -v name="$build" '$1 == name { printf "%10.2f %10.2f", $2 * 1000, $3 * 1000 }' "$work/times.csv")
    printf '%-8s %14s %s\n' "$build" "$(instructions "build/${preset[$build]}/average")" "$time"
done
