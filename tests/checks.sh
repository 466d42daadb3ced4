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
# Controls are placed in twips, as the windows place them, from the table of the designed
# geometry (DESIGN_ROLL=(left top width height) ...); this turns twips into pixels as the
# program does (ui/widgets/twips.h: 15 twips a pixel, to the nearest).
checks_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
eval "$(python3 "$checks_repo/tools/designed_geometry.py" shell "$checks_repo/ui/widgets/designed_geometry.h")"
px() { echo $((($1 + 7) / 15)); }
# The pixel X and Y, from a window's client origin, of the centre of a control given in twips
# as left, top, width, height.
centre_of() { echo "$(px $(($1 + $3 / 2))) $(px $(($2 + $4 / 2)))"; }
# What the whole-program tests press, as left top width height in twips: the splash window's
# Command1 inside Frame1; in the main window the indicator at the left end of STEP 8 (column 0,
# row 7), a square as high as the option, ROLL and EXIT.
# shellcheck disable=SC2034 # the tests that source this file press them
{
    readonly SPLASH_BUTTON="$((DESIGN_SPLASH_FRAME[0] + DESIGN_SPLASH_START[0])) \
$((DESIGN_SPLASH_FRAME[1] + DESIGN_SPLASH_START[1])) ${DESIGN_SPLASH_START[*]:2}"
    readonly STEP8_INDICATOR="${DESIGN_FIRST_STEP[0]} \
$((DESIGN_FIRST_STEP[1] + DESIGN_STEP_ROW_PITCH * 7)) ${DESIGN_FIRST_STEP[3]} ${DESIGN_FIRST_STEP[3]}"
    readonly ROLL_BUTTON="${DESIGN_ROLL[*]}"
    readonly EXIT_BUTTON="${DESIGN_EXIT[*]}"
    # With a test's controls shown, below ROLL and EXIT: the difficulty and bonus step fields.
    readonly DIFFICULTY_FIELD="${DESIGN_DIFFICULTY[*]}"
    readonly BONUS_STEP_FIELD="${DESIGN_BONUS[*]}"
    # The windows' client areas in pixels, as xdotool and xwininfo give them: WIDTHxHEIGHT.
    # (15 twips a pixel, to the nearest, as px gives them.)
    readonly SPLASH_SIZE="$(((DESIGN_SPLASH_WIDTH + 7) / 15))x$(((DESIGN_SPLASH_HEIGHT + 7) / 15))"
    readonly MAIN_SIZE="$(((DESIGN_MAIN_WIDTH + 7) / 15))x$(((DESIGN_MAIN_HEIGHT + 7) / 15))"
    readonly MAIN_SIZE_WITH_DIFFICULTY="$(((DESIGN_MAIN_WIDTH + 7) / 15))x$(((DESIGN_MAIN_HEIGHT_WITH_DIFFICULTY + 7) / 15))"
}
# Clicks the centre of such a control in the window whose client area `geometry` last read.
press() {
    local box cx cy
    read -ra box <<<"$1"
    read -r cx cy <<<"$(centre_of "${box[@]}")"
    xdotool mousemove --sync $((X + cx)) $((Y + cy)) click 1
}
# Runs COMMAND... until it succeeds, for at most SECONDS; fails if it never does.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
# The number of distinct colours a window shows: a drawn window has many, a blank one few.
colours_of() { import -window "$1" -format %k info: 2>/dev/null || echo 0; }
drawn() { [ "$(colours_of "$1")" -gt 8 ]; }
