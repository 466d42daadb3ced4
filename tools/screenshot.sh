#!/usr/bin/env bash
# Starts the built program on a virtual screen and saves what the screen shows.
#   tools/screenshot.sh BINARY OUTPUT.png [xdotool commands run before the shot...]
set -euo pipefail
binary=$(realpath "$1")
output=$(realpath -m "$2")
shift 2
export SHOT_BINARY=$binary SHOT_OUTPUT=$output
# shellcheck disable=SC2016 # expanded by the shell on the virtual screen
xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    "$SHOT_BINARY" & pid=$!
    sleep 2
    for command in "$@"; do xdotool $command; sleep 0.5; done
    import -window root "$SHOT_OUTPUT"
    kill $pid 2>/dev/null || true
' screenshot "$@"
