#!/usr/bin/env bash
# Time from starting a program to its first window being mapped, and its resident memory once
# shown: Dicewright's splash against a bare Qt Widgets window, in the same run on one Xvfb.
#   startup_bench.sh DICEWRIGHT BARE_WINDOW [RUNS]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$0" "$@"
fi
programs=("$(realpath "$1")" "$(realpath "$2")")
runs=${3:-20}

errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Prints "milliseconds-to-map resident-kilobytes" for one start of the program.
measure() {
    local start pid mapped rss
    start=$(now_ms)
    "$1" >/dev/null 2>"$errors" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null || [ $(($(now_ms) - start)) -gt 10000 ]; then
            echo "$1 did not show a window:" >&2
            cat "$errors" >&2
            kill "$pid" 2>/dev/null
            exit 1
        fi
        # Polling without a pause opens X connections faster than the server lets them go,
        # until a starting program finds no free connection.
        sleep 0.005
    done
    mapped=$(now_ms)
    sleep 0.3
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((mapped - start)) $rss"
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

declare -A times rss
for ((run = 0; run < runs; run++)); do
    for program in "${programs[@]}"; do  # interleaved, so both see the same machine load
        read -r ms kb < <(measure "$program")
        times[$program]+="$ms"$'\n'
        rss[$program]+="$kb"$'\n'
    done
done

for program in "${programs[@]}"; do
    t=$(printf '%s' "${times[$program]}" | median)
    m=$(printf '%s' "${rss[$program]}" | median)
    printf '%-14s median time to map %6s ms   median resident memory %7s KiB\n' "$(basename "$program")" "$t" "$m"
    echo "$t $m" >>"${TMPDIR:-/tmp}/startup_bench.$$"
done
{
    read -r t1 m1
    read -r t2 m2
} <"${TMPDIR:-/tmp}/startup_bench.$$"
rm -f "${TMPDIR:-/tmp}/startup_bench.$$"
awk -v t1="$t1" -v t2="$t2" -v m1="$m1" -v m2="$m2" \
    -v yardstick="$(basename "${programs[1]}")" \
    'BEGIN {printf "ratio to %s: time %.2f, memory %.2f\n", yardstick, t1 / t2, m1 / m2}'
