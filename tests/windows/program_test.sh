#!/usr/bin/env bash
# The Windows program as a Windows user meets it, under Wine on a virtual screen, through Qt's
# real Windows platform plugin: the installer installs silently, the installed program starts
# with its splash window, hands over to the main window, rolls, shows a test's controls on Ctrl+T
# and hides them again, and ends with EXIT, and the uninstaller leaves nothing behind; then the
# same start from the portable zip, unpacked into a folder whose path has blanks and non-ASCII
# letters; then the installer's pages and the program in German, and the program in each other
# language it speaks. Screenshots of each window are kept.
#   program_test.sh INSTALLER ZIP WORK_DIR VERSION
set -u
installer=$(realpath "$1")
zip=$(realpath "$2")
work=$3
version=$4
# Wine passes Unix paths through the locale's character set; the portable folder's path has
# non-ASCII letters.
export LC_ALL=C.UTF-8
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$0" "$@"
fi
wine_run=$(dirname "$(realpath "$0")")/wine_run.sh
readonly SCREEN_W=1024 SCREEN_H=768

rm -rf "$work"
mkdir -p "$work/shots"
export WINE_RUN_KEEP_PREFIX=$work/prefix WINE_RUN_TIMEOUT=120
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null; WINEPREFIX=$WINE_RUN_KEEP_PREFIX wineserver -k 2>/dev/null' EXIT

# shellcheck source=../checks.sh
source "$(dirname "$(realpath "$0")")/../checks.sh"
wait_until 30 wmctrl -m >/dev/null || { echo "FAIL: the window manager did not start"; exit 1; }
wine_in_prefix() { WINEPREFIX=$WINE_RUN_KEEP_PREFIX WINEDEBUG=-all wine "$@" 2>/dev/null; }
# The Unix path of a Windows path in the prefix.
unix_path() { wine_in_prefix winepath -u "$1" | tr -d '\r'; }

# The first visible window of the program for which `TEST... ID` holds, printed: both windows
# carry the program's name as their title on Windows, so the test tells them apart.
program_window() {
    local id
    for id in $(xdotool search --onlyvisible --classname 'dicewright.exe' 2>/dev/null); do
        "$@" "$id" && { echo "$id"; return 0; }
    done
    return 1
}
client_size_is() { [ "$(xwininfo -id "$2" | awk '/^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {print w "x" h}')" = "$1" ]; }
titled() { [ "$(xdotool getwindowname "$2")" = "$1" ]; }
# Waits (bounded) for a window of the program with a client area of this size, or this title.
wait_for_window() { wait_until 30 program_window client_size_is "$1"; }
wait_for_titled() { wait_until 30 program_window titled "$1"; }
gone() { ! xdotool search --onlyvisible --classname 'dicewright.exe' 2>/dev/null | grep -qx "$1"; }
# No title bar: the window manager draws no frame around the window.
frameless() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null)
    [[ "$extents" != *"="* || "$extents" == *"= 0, 0, 0, 0"* ]]
}
shoot() { import -window root "$work/shots/$1.png"; }
# Pixels of the main window's olive text colour in a region of the screen.
olive_pixels() {
    import -window root -crop "$3x$4+$1+$2" +repage txt:- 2>/dev/null | grep -c '(192,192,0)'
}
# Whether a region (X Y WIDTH HEIGHT) holds more olive pixels than COUNT, looked at afresh.
olive_in() { [ "$(olive_pixels "$1" "$2" "$3" "$4")" -gt "$5" ]; }

# One whole start of the program at a Windows path: splash, hand-over, a roll, the roll log (its
# title, LOG_TITLE, in the language the program speaks), EXIT.
# The installed program's splash button is clicked; the portable one's is pressed with Enter, as a
# player without a mouse does.
run_program() {
    local exe=$1 name=$2 log_title=${3:-Roll log} program splash main status
    "$wine_run" "$exe" >/dev/null 2>&1 &
    program=$!
    splash=$(wait_for_window "$SPLASH_SIZE") || { check "$name: the $SPLASH_SIZE splash window appears" false; kill $program; return; }
    check "$name: the $SPLASH_SIZE splash window appears" true
    geometry "$splash"
    check "$name: the splash window is centred" \
        test $((2 * X + WIDTH - SCREEN_W)) -ge -1 -a $((2 * X + WIDTH - SCREEN_W)) -le 1 -a \
        $((2 * Y + HEIGHT - SCREEN_H)) -ge -1 -a $((2 * Y + HEIGHT - SCREEN_H)) -le 1
    check "$name: the splash window has no title bar" frameless "$splash"
    wait_until 30 drawn "$splash"
    shoot "$name-splash"

    if [ "$name" = portable ]; then
        xdotool windowactivate --sync "$splash" key Return 2>/dev/null || xdotool key Return
    else
        press "$SPLASH_BUTTON"
    fi
    main=$(wait_for_window "$MAIN_SIZE") || { check "$name: the button opens the $MAIN_SIZE main window" false; kill $program; return; }
    check "$name: the button opens the $MAIN_SIZE main window" true
    check "$name: the main window is titled Dicewright" test "$(xdotool getwindowname "$main")" = Dicewright
    check "$name: the splash window is hidden" bash -c "! xdotool search --onlyvisible --classname dicewright.exe | grep -qx '$splash'"
    wait_until 30 drawn "$main"
    geometry "$main"

    # STEP 8, then ROLL: the total display draws a number in olive.
    local before total_x total_y
    total_x=$((X + $(px "${DESIGN_TOTAL[0]}"))) total_y=$((Y + $(px "${DESIGN_TOTAL[1]}")))
    before=$(olive_pixels $total_x $total_y 120 22)
    press "$STEP8_INDICATOR"
    press "$ROLL_BUTTON"
    check "$name: a step and ROLL show a total" wait_until 10 olive_in $total_x $total_y 120 22 "$before"
    shoot "$name-main"

    # Ctrl+L opens the roll log beside the main window.
    xdotool key ctrl+l
    local log
    log=$(wait_for_titled "$log_title") && wait_until 30 drawn "$log"
    check "$name: Ctrl+L opens the roll log, titled $log_title" test -n "$log"
    shoot "$name-log"
    xdotool key Escape
    check "$name: Esc closes the roll log" wait_until 30 gone "$log"

    # Ctrl+T shows a test's controls, the window grown to hold them; a difficulty and a bonus
    # step typed in, Enter in the field rolls and the verdict shows under the total. Ctrl+T
    # again gives back the designed window.
    xdotool key ctrl+t
    check "$name: Ctrl+T grows the main window for a test's controls" wait_for_window "$MAIN_SIZE_WITH_DIFFICULTY"
    local verdict_x=$((X + $(px "${DESIGN_VERDICT[0]}"))) verdict_y=$((Y + $(px "${DESIGN_VERDICT[1]}")))
    press "$DIFFICULTY_FIELD"
    xdotool type 9
    press "$BONUS_STEP_FIELD"
    xdotool type 4
    xdotool key Return
    check "$name: a difficulty and a bonus step typed in, Enter rolls and the verdict shows" \
        wait_until 10 olive_in $verdict_x $verdict_y 200 20 0
    shoot "$name-test"
    xdotool key ctrl+t
    check "$name: Ctrl+T again gives back the designed window" wait_for_window "$MAIN_SIZE"

    press "$EXIT_BUTTON"
    wait_until 30 bash -c "! kill -0 $program 2>/dev/null"
    wait $program
    status=$?
    check "$name: EXIT ends the program with status 0" test "$status" = 0
}

# Runs a command line as the installed-apps list holds it: a quoted program and its arguments.
# An NSIS uninstaller returns at once and goes on from a copy of itself in a temporary folder
# (Un_A.exe, Au_.exe in older NSIS): wine_run.sh waits for wineserver to end with the last
# process, and this waits for that copy too, each wait bounded.
run_command_line() {
    [[ "$1" =~ ^\"([^\"]+)\"\ *(.*)$ ]] || return 1
    # shellcheck disable=SC2086
    WINE_RUN_WAIT=1 "$wine_run" "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]}
    wait_until 120 bash -c "! pgrep -f 'Un_[A-Z]\.exe|Au_\.exe' >/dev/null"
}

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dicewright'
reg_value() { wine_in_prefix reg query "$key" /v "$1" | tr -d '\r' | awk -v n="$1" '$1 == n {sub(/^ *[^ ]+ +[^ ]+ +/, ""); print}'; }
# Asks the registry itself (wineserver writes user.reg to disk only when it gets round to it).
no_uninstall_key() { ! wine_in_prefix reg query "$key" >/dev/null; }

# Install silently for this user.
"$wine_run" "$installer" /S
user=$(wine_in_prefix cmd /c 'echo %USERNAME%' | tr -d '\r')
home='C:\users'"\\$user"
installed=$(unix_path "$home"'\AppData\Local\Programs\Dicewright')
[ -d "$installed" ] || installed=$(unix_path "$(reg_value InstallLocation)")
start_menu=$(unix_path "$home"'\AppData\Roaming\Microsoft\Windows\Start Menu\Programs')
check "the installer puts the program in the user's programs folder" test -f "$installed/Dicewright.exe"
check "the installer puts the licences beside it" test -f "$installed/LICENSE.txt" -a -f "$installed/licenses/THIRD-PARTY.txt"
check "the installer adds a Start-menu entry" test -f "$start_menu/Dicewright.lnk"
check "the installed-apps entry has name, version and publisher" \
    test "$(reg_value DisplayName)|$(reg_value DisplayVersion)|$(reg_value Publisher)" = "Dicewright|$version|Dicewright Workshop"
check "the installed-apps entry has an icon, a size and a quiet uninstall" \
    bash -c "[[ '$(reg_value DisplayIcon)' == *Dicewright.exe,0 && '$(reg_value EstimatedSize)' == 0x* && '$(reg_value QuietUninstallString)' == *'Uninstall.exe\" /S' ]]"

run_program "$home"'\AppData\Local\Programs\Dicewright\Dicewright.exe' installed

# Installing the same version again replaces it in place; a file of the user's stays.
echo "mine" >"$installed/notes.txt"
"$wine_run" "$installer" /S
check "installing again keeps one installation in the same place" test -f "$installed/Dicewright.exe" -a -f "$installed/notes.txt"

# The quiet uninstall removes what the installer put there, and nothing else.
run_command_line "$(reg_value QuietUninstallString)"
check "the uninstaller removes the program" test ! -e "$installed/Dicewright.exe" -a ! -e "$installed/licenses"
check "the uninstaller keeps the user's own file" test -f "$installed/notes.txt"
check "the uninstaller removes the Start-menu entry" test ! -e "$start_menu/Dicewright.lnk"
check "the uninstaller removes the installed-apps entry" wait_until 30 no_uninstall_key
rm -rf "$installed"

# A folder of the user's choice, silently: /D= comes last and takes no quotes.
# Through cmd, so that the installer sees the blank in the folder unquoted, as NSIS expects.
"$wine_run" cmd /c "$(wine_in_prefix winepath -w "$installer" | tr -d '\r')" /S '/D=C:\Games\Dice' Roller
chosen=$(unix_path 'C:\Games\Dice Roller')
check "/D= installs into the folder given" test -f "$chosen/Dicewright.exe"
run_command_line "$(reg_value QuietUninstallString)"
check "after uninstalling from there nothing is left" test ! -e "$chosen"

# The portable zip, from a folder with blanks and non-ASCII letters in its path.
portable_dir='C:\Spiele und Würfel\Dés à jouer'
portable=$(unix_path "$portable_dir")
portable_program="$portable_dir\\$(basename "$zip" .zip)"'\Dicewright.exe'
mkdir -p "$portable"
unzip -q "$zip" -d "$portable"
run_program "$portable_program" portable

# In German, the Windows display language Wine takes from the locale: the installer's pages and
# the program.
export WINE_RUN_LOCALE=de_DE.UTF-8
"$wine_run" "$installer" >/dev/null 2>&1 &
setup=$!
german_setup() { xdotool search --onlyvisible --name '^Installation von Dicewright' >/dev/null; }
check "in German the installer's pages are German" wait_until 60 german_setup
shoot installer-de
kill $setup 2>/dev/null
WINEPREFIX=$WINE_RUN_KEEP_PREFIX wineserver -k 2>/dev/null
wait $setup 2>/dev/null
run_program "$portable_program" portable-de Wurfprotokoll

# Every other language of cmake/languages.cmake, in its own country's locale: the roll log is
# found by the title its catalogue gives it.
source_dir=$(dirname "$(realpath "$0")")/../..
roll_log_title() {
    python3 - "$source_dir/translations/dicewright_$1.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        if context.findtext("name") == "dicewright::RollLogWindow" and \
                message.findtext("source") == "Roll log":
            print(message.findtext("translation"))
PY
}
read -ra languages <<<"$(sed -n 's/^set(DICEWRIGHT_LANGUAGES \(.*\))$/\1/p' "$source_dir/cmake/languages.cmake")"
for language in "${languages[@]}"; do
    [[ $language == en || $language == de ]] && continue
    [[ $language == *_* ]] && locale=$language || locale=${language}_${language^^}
    export WINE_RUN_LOCALE=$locale.UTF-8
    run_program "$portable_program" "portable-$language" "$(roll_log_title "$language")"
done
unset WINE_RUN_LOCALE

echo "screenshots in $work/shots"
finish
