#!/usr/bin/env bash
# How long the player waits for the board: starts the game RUNS times (default 20) on a virtual
# X display (:11) and reports, as median and worst, the time from main() to the first painted
# board (printed by the game itself when RAVELO2_EXIT_AFTER_FIRST_PAINT=1) and the time from
# launching the process until it has painted and quit.
# Usage: bench/startup_time.sh [path to ravelo2, default build/src/app/ravelo2] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/src/app/ravelo2}
runs=${2:-20}
display=:11

if [[ ! -x $game ]]; then
    echo "startup_time.sh: no game at $game; build the target ravelo2 first" >&2
    exit 2
fi
if ! [[ "$runs" =~ ^[1-9][0-9]{0,3}$ ]]; then
    echo "startup_time.sh: RUNS must be a whole number from 1 to 9999, not '$runs'" >&2
    exit 2
fi

xvfb_pid=
cleanup() { [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
socket=/tmp/.X11-unix/X${display#:}
if [[ ! -S $socket ]]; then
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -S $socket ]] && break
        sleep 0.05
    done
fi

tmp=$(mktemp -d)
trap 'cleanup; rm -rf "$tmp"' EXIT
for i in $(seq "$runs"); do
    start=$(date +%s%N)
    DISPLAY=$display RAVELO2_EXIT_AFTER_FIRST_PAINT=1 "$game" 2>"$tmp/err" || true
    end=$(date +%s%N)
    paint=$(sed -n 's/^first paint: \([0-9.]*\) ms$/\1/p' "$tmp/err")
    if [[ -z $paint ]]; then
        echo "startup_time.sh: run $i printed no first paint:" >&2
        cat "$tmp/err" >&2
        exit 1
    fi
    echo "$paint" >>"$tmp/paint"
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f\n", (e - s) / 1e6 }' >>"$tmp/launch"
done

report() { # label, file
    sort -n "$2" | awk -v label="$1" '{ v[NR] = $1 }
        END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
              printf "%s: median %.1f ms, worst %.1f ms (%d runs)\n", label, m, v[NR], NR }'
}
report "main() to first painted board" "$tmp/paint"
report "launch to first paint and exit" "$tmp/launch"
