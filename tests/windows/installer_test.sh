#!/usr/bin/env bash
# The installer touches nothing but its own installation, under Wine, silently (/S): another
# program's uninstaller in the chosen folder is neither run nor replaced, other files there
# stay, only the uninstaller that our own uninstall entry names runs, an entry that is not ours
# never chooses the folder, our own installation that lost its uninstaller is repaired in
# place, and a newer version is not replaced. STAND_IN is a program that records in ran.txt
# beside itself that it ran.
#   installer_test.sh INSTALLER STAND_IN WORK_DIR
set -u
installer=$(realpath "$1")
stand_in=$(realpath "$2")
work=$3
export LC_ALL=C.UTF-8
here=$(dirname "$(realpath "$0")")
wine_run=$here/wine_run.sh
# shellcheck source=../checks.sh
source "$here/../checks.sh"

rm -rf "$work"
mkdir -p "$work"
export WINE_RUN_KEEP_PREFIX=$work/prefix WINE_RUN_TIMEOUT=120 WINE_RUN_WAIT=1
trap 'WINEPREFIX=$WINE_RUN_KEEP_PREFIX wineserver -k 2>/dev/null' EXIT
wine_in_prefix() { WINEPREFIX=$WINE_RUN_KEEP_PREFIX WINEDEBUG=-all wine "$@" 2>/dev/null; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dicewright'
reg_value() { wine_in_prefix reg query "$key" /v "$1" | tr -d '\r' | awk -v n="$1" '$1 == n {print $NF}'; }
set_reg_value() { wine_in_prefix reg add "$key" /v "$1" /d "$2" /f >/dev/null; }
no_entry() { ! wine_in_prefix reg query "$key" >/dev/null; }
drive_c() { echo "$WINE_RUN_KEEP_PREFIX/drive_c/$1"; }
install_into() { "$wine_run" "$installer" /S "/D=C:\\$1" >/dev/null 2>&1; }
install_default() { "$wine_run" "$installer" /S >/dev/null 2>&1; }
unix_path() { WINEPREFIX=$WINE_RUN_KEEP_PREFIX WINEDEBUG=-all winepath -u "$1" 2>/dev/null; }
uninstall() { "$wine_run" "C:\\$1\\Uninstall.exe" /S >/dev/null 2>&1; }
# A folder of another program's: its uninstaller (the stand-in) and a file of its own.
other_program() {
    mkdir -p "$(drive_c "$1")"
    cp "$stand_in" "$(drive_c "$1")/Uninstall.exe"
    echo "theirs" >"$(drive_c "$1")/readme.txt"
}
untouched() {
    cmp -s "$stand_in" "$(drive_c "$1")/Uninstall.exe" && [ "$(cat "$(drive_c "$1")/readme.txt")" = theirs ]
}

# Another program's uninstaller in the chosen folder: refused, nothing run, nothing replaced.
other_program OtherApp
install_into OtherApp
status=$?
check "a folder with another program's uninstaller is refused with a failure status ($status)" test "$status" -ne 0
check "the other program's uninstaller is not run" test ! -e "$(drive_c OtherApp)/ran.txt"
check "the other program's files are not replaced" untouched OtherApp
check "nothing of ours is put there" test ! -e "$(drive_c OtherApp)/Dicewright.exe"
check "no uninstall entry is written" no_entry

# A folder with files of others but none of our names: installed beside them, which stay.
mkdir -p "$(drive_c Shared)"
echo "theirs" >"$(drive_c Shared)/readme.txt"
install_into Shared
check "a folder with other files is installed into" test $? = 0 -a -f "$(drive_c Shared)/Dicewright.exe"
uninstall Shared
check "uninstalling from there keeps the other files and the folder" \
    test ! -e "$(drive_c Shared)/Dicewright.exe" -a "$(cat "$(drive_c Shared)/readme.txt")" = theirs

# Our entry naming an uninstaller outside the folder it names, which holds files of our names
# (a stand-in as its uninstaller): not ours, and neither uninstaller runs.
other_program Dicewright
cp "$stand_in" "$(drive_c Dicewright)/Dicewright.exe"
set_reg_value InstallLocation 'C:\Dicewright'
set_reg_value UninstallString '"C:\OtherApp\Uninstall.exe"'
install_into Fresh
check "an entry whose uninstaller lies elsewhere is not taken for Dicewright" \
    test $? = 0 -a -f "$(drive_c Fresh)/Dicewright.exe"
check "the uninstaller it names is not run" test ! -e "$(drive_c OtherApp)/ran.txt"
check "the uninstaller in the folder it names is not run" test ! -e "$(drive_c Dicewright)/ran.txt"

# The earlier Dicewright, found by our entry: its own uninstaller removes it from its folder.
install_into Second
check "installing elsewhere removes the earlier installation" test ! -e "$(drive_c Fresh)"
check "the new installation is in the folder chosen" test -f "$(drive_c Second)/Dicewright.exe"
check "the entry names the new folder" test "$(reg_value InstallLocation)" = 'C:\Second'

# A newer version installed: a silent install refuses it and changes nothing.
set_reg_value DisplayVersion 99.0.0
install_into Second
status=$?
check "over a newer version a silent install refuses with a failure status ($status)" test "$status" -ne 0
check "the newer version's entry stays" test "$(reg_value DisplayVersion)" = 99.0.0
uninstall Second
check "the last installation uninstalls to nothing" test ! -e "$(drive_c Second)"
check "and its entry is gone" no_entry

# An entry that fails the checks (it names another program's folder and uninstaller) never
# chooses the folder: a silent install without /D goes to the default folder.
other_program Elsewhere
set_reg_value InstallLocation 'C:\Elsewhere'
set_reg_value UninstallString '"C:\Elsewhere\Uninstall.exe"'
install_default
status=$?
default_dir=$(unix_path "$(reg_value InstallLocation)")
check "beside an entry that is not ours a silent install succeeds ($status)" test "$status" = 0
check "in the default folder" test "${default_dir%/}" != "$(drive_c Elsewhere)" -a -f "$default_dir/Dicewright.exe"
# shellcheck disable=SC2016 # expanded when the check runs it
check "the folder that entry names is untouched, its uninstaller not run" \
    eval 'untouched Elsewhere && test ! -e "$(drive_c Elsewhere)/ran.txt"'

uninstall_ours() { "$wine_run" "$(reg_value UninstallString | tr -d '"')" /S >/dev/null 2>&1; }
uninstall_ours
check "the default folder's installation uninstalls to nothing" test ! -e "$default_dir"

# An entry naming a folder with a trailing backslash, which holds a Dicewright.exe that is not
# ours and no uninstaller, and an uninstaller elsewhere or spelt with a doubled backslash: it
# fails the checks, so it never chooses the folder, and that folder's file stays as it was.
for uninstaller in '"C:\Elsewhere\Uninstall.exe"' '"C:\NotOurs\\Uninstall.exe"'; do
    rm -rf "$(drive_c NotOurs)"
    mkdir -p "$(drive_c NotOurs)"
    echo "theirs" >"$(drive_c NotOurs)/Dicewright.exe"
    set_reg_value InstallLocation "C:\\NotOurs\\"
    set_reg_value UninstallString "$uninstaller"
    install_default
    status=$?
    default_dir=$(unix_path "$(reg_value InstallLocation)")
    check "beside an entry naming C:\\NotOurs\\ and $uninstaller a silent install succeeds ($status)" \
        test "$status" = 0
    check "in the default folder" test "${default_dir%/}" != "$(drive_c NotOurs)" -a -f "$default_dir/Dicewright.exe"
    check "the Dicewright.exe in C:\\NotOurs\\ is untouched" test "$(cat "$(drive_c NotOurs)/Dicewright.exe")" = theirs
    uninstall_ours
done

# Our own installation that lost its uninstaller: repaired in place, nothing run.
install_into Broken
rm "$(drive_c Broken)/Uninstall.exe"
install_default
status=$?
check "our installation without its uninstaller is installed over ($status)" test "$status" = 0
check "in its own folder, which has its uninstaller again" test -f "$(drive_c Broken)/Uninstall.exe"
check "and the entry names it" test "$(reg_value InstallLocation)" = 'C:\Broken'
uninstall Broken
check "the repaired installation uninstalls to nothing" test ! -e "$(drive_c Broken)"

# Files of other programs under our folder names but not our file names stay beside ours; a file
# of one of our names there is refused, wherever in the package it lies.
mkdir -p "$(drive_c Licensed)/licenses"
echo "theirs" >"$(drive_c Licensed)/licenses/theirs.txt"
install_into Licensed
check "a folder with another program's licences of other names is installed into" \
    test $? = 0 -a -f "$(drive_c Licensed)/Dicewright.exe"
uninstall Licensed
check "and they stay after the uninstall" test "$(cat "$(drive_c Licensed)/licenses/theirs.txt")" = theirs
mkdir -p "$(drive_c Clash)/licenses"
echo "theirs" >"$(drive_c Clash)/licenses/LGPL-3.0.txt"
install_into Clash
status=$?
check "a folder with a file of one of our names in licenses is refused ($status)" test "$status" = 2
check "that file is not replaced" test "$(cat "$(drive_c Clash)/licenses/LGPL-3.0.txt")" = theirs

finish
