# Shared by the shell tests: `check WHAT COMMAND...` counts and reports one check, `finish`
# prints the count and gives the test's status.
passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
        passed=$((passed + 1))
    else
        echo "FAIL: $what"
        failed=$((failed + 1))
    fi
}
finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" = 0 ]
}
# Sets X, Y, WIDTH and HEIGHT of a window's client area on the screen. (xdotool's own
# getwindowgeometry counts a reparenting window manager's frame twice.)
geometry() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $NF} /Absolute upper-left Y/ {print "Y=" $NF}
                                   /^ *Width/ {print "WIDTH=" $NF} /^ *Height/ {print "HEIGHT=" $NF}')"
}
