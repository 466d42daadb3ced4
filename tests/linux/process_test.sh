#!/usr/bin/env bash
# Whole-process tests: the real program on a virtual X screen with a window manager, driven by
# real X input (XTEST through xdotool).
#   process_test.sh BINARY        (starts its own Xvfb when there is no display)
set -u
binary=$(realpath "$1")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$0" "$@"
fi
readonly SCREEN_W=1024 SCREEN_H=768

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT

# shellcheck source=../checks.sh
source "$(dirname "$(realpath "$0")")/../checks.sh"
wait_until 30 wmctrl -m >/dev/null || { echo "FAIL: the window manager did not start"; exit 1; }
pid=
fail() {
    echo "FAIL: $current: $*"
    failed=$((failed + 1))
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    pid=
    return 1
}

# Visible top-level windows of the program, by kind: splash or main.
window_of_kind() {
    local kind=$1 id type
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        type=$(xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null)
        case "$kind:$type" in
            splash:*SPLASH*) echo "$id"; return 0 ;;
            main:*SPLASH*) ;;
            main:*NORMAL*) echo "$id"; return 0 ;;
        esac
    done
    return 1
}
# Bounded waits, generous for a loaded machine: they end as soon as the window or the exit comes.
wait_for_window() { wait_until 30 window_of_kind "$1"; }
exited() { ! kill -0 "$pid" 2>/dev/null; }
# Waits for the program to end and sets $status to its exit status.
wait_for_exit() {
    wait_until 30 exited || return 1
    wait "$pid"
    status=$?
}
# The window manager sets the frame extents once it manages the window.
no_frame() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0'; }
start() {
    current=$1
    "$binary" &
    pid=$!
    splash=$(wait_for_window splash) || fail "the splash window never appeared"
}
pass() {
    echo "PASS: $current"
    passed=$((passed + 1))
    pid=
}

test_splash_is_centred_and_undecorated() {
    start "splash is centred and undecorated" || return
    geometry "$splash"
    if [ "${WIDTH}x$HEIGHT" != "$SPLASH_SIZE" ]; then fail "size ${WIDTH}x$HEIGHT"; return; fi
    local off_x=$((X - (SCREEN_W - WIDTH) / 2)) off_y=$((Y - (SCREEN_H - HEIGHT) / 2))
    if [ "$off_x" -lt -1 ] || [ "$off_x" -gt 1 ]; then fail "x $X"; return; fi
    if [ "$off_y" -lt -1 ] || [ "$off_y" -gt 1 ]; then fail "y $Y"; return; fi
    wait_until 10 no_frame "$splash" || { fail "it has a frame"; return; }
    window_of_kind main >/dev/null && { fail "the main window is already shown"; return; }
    kill "$pid"
    wait "$pid" 2>/dev/null
    pass
}

test_letter_key_ends_without_main_window() {
    start "a letter key ends the program without a main window" || return
    # Watch for a main window for as long as the program runs.
    local seen
    seen=$(mktemp)
    (while kill -0 "$pid" 2>/dev/null; do window_of_kind main >/dev/null && echo seen >"$seen"; sleep 0.02; done) &
    local watcher=$!
    xdotool windowactivate --sync "$splash" >/dev/null 2>&1
    xdotool key q
    wait_for_exit || { fail "still running after the key"; return; }
    wait "$watcher"
    [ "$status" = 0 ] || { fail "exit status $status"; return; }
    [ -s "$seen" ] && { fail "a main window was mapped"; return; }
    rm -f "$seen"
    pass
}

# Presses the splash's button; sets $main to the main window.
# Presses the splash's button with the mouse, or with KEY given (the button has the focus).
hand_over() {
    geometry "$splash"
    if [ $# -gt 0 ]; then
        xdotool windowactivate --sync "$splash" key "$1" 2>/dev/null || xdotool key "$1"
    else
        press "$SPLASH_BUTTON"
    fi
    main=$(wait_for_window main) || { fail "no main window after the button"; return 1; }
    wait_until 30 unmapped "$splash" || fail "the splash window is still mapped"
}
unmapped() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

test_button_hands_over_and_exit_ends() {
    start "the button opens the main window and EXIT ends the program" || return
    hand_over || return
    geometry "$main"
    press "$EXIT_BUTTON"
    wait_for_exit || { fail "still running after EXIT"; return; }
    [ "$status" = 0 ] || { fail "exit status $status"; return; }
    pass
}

test_closing_main_window_ends() {
    start "Space on the button opens the main window; closing it ends the program" || return
    hand_over space || return
    wmctrl -i -c "$main"
    wait_for_exit || { fail "still running after closing the main window"; return; }
    [ "$status" = 0 ] || { fail "exit status $status"; return; }
    pass
}

test_splash_is_centred_and_undecorated
test_letter_key_ends_without_main_window
test_button_hands_over_and_exit_ends
test_closing_main_window_ends

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
