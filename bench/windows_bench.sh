#!/usr/bin/env bash
# The Windows packages' sizes, and the time from starting the program under Wine to its first
# window being mapped, each against a bare Qt Widgets window built and packaged the same way
# (static Qt, stripped, the same zip and NSIS compression), measured in the same run.
#   windows_bench.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(realpath "$1")
runs=${2:-7}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$0" "$@"
fi
wine_run=$(dirname "$(realpath "$0")")/../tests/windows/wine_run.sh
work=$(mktemp -d)
export WINE_RUN_KEEP_PREFIX=$work/prefix
trap 'WINEPREFIX=$WINE_RUN_KEEP_PREFIX wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

# The bare window, packaged as Dicewright is: a stripped exe in a zip and in an installer.
mkdir -p "$work/bare"
x86_64-w64-mingw32-strip -o "$work/bare/bare_window.exe" "$build/bench/bare_window.exe"
(cd "$work" && zip -q -9 -r bare.zip bare)
cat >"$work/bare.nsi" <<NSI
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
OutFile "$work/bare-setup.exe"
InstallDir "\$LOCALAPPDATA\\Programs\\Bare"
Section
  SetOutPath "\$INSTDIR"
  File "$work/bare/bare_window.exe"
  WriteUninstaller "\$INSTDIR\\Uninstall.exe"
SectionEnd
Section "Uninstall"
  Delete "\$INSTDIR\\bare_window.exe"
  Delete "\$INSTDIR\\Uninstall.exe"
  RMDir "\$INSTDIR"
SectionEnd
NSI
makensis -V1 "$work/bare.nsi"

size() { stat -c %s "$1"; }
installer=$(ls "$build"/*-win64.exe)
zip=$(ls "$build"/*-win64.zip)
printf '%-28s %9d bytes   bare window %9d bytes   ratio %.2f\n' \
    "$(basename "$installer")" "$(size "$installer")" "$(size "$work/bare-setup.exe")" \
    "$(echo "$(size "$installer") / $(size "$work/bare-setup.exe")" | bc -l)"
printf '%-28s %9d bytes   bare window %9d bytes   ratio %.2f\n' \
    "$(basename "$zip")" "$(size "$zip")" "$(size "$work/bare.zip")" \
    "$(echo "$(size "$zip") / $(size "$work/bare.zip")" | bc -l)"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Milliseconds from starting the program under Wine to its first window being mapped.
measure() {
    local exe=$1 class start
    class=$(basename "$exe" | tr '[:upper:]' '[:lower:]')
    start=$(now_ms)
    "$wine_run" "$exe" >/dev/null 2>&1 &
    until xdotool search --onlyvisible --classname "$class" >/dev/null 2>&1; do
        [ $(($(now_ms) - start)) -gt 60000 ] && { echo "$exe showed no window" >&2; exit 1; }
        sleep 0.01
    done
    echo $(($(now_ms) - start))
    WINEPREFIX=$WINE_RUN_KEEP_PREFIX wineserver -k 2>/dev/null || true
    wait 2>/dev/null || true
}
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

programs=("$build/ui/Dicewright.exe" "$work/bare/bare_window.exe")
measure "${programs[0]}" >/dev/null  # the first start also prepares the prefix
declare -A times
for ((run = 0; run < runs; run++)); do
    for program in "${programs[@]}"; do  # interleaved, so both see the same machine load
        times[$program]+="$(measure "$program")"$'\n'
    done
done
t1=$(printf '%s' "${times[${programs[0]}]}" | median)
t2=$(printf '%s' "${times[${programs[1]}]}" | median)
printf 'Dicewright.exe median time to map under Wine %6s ms   bare window %6s ms   ratio %.2f\n' \
    "$t1" "$t2" "$(echo "$t1 / $t2" | bc -l)"
