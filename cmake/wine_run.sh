#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, as ctest's emulator and for the Windows tests:
# a Wine prefix of its own (copied from one prepared once and cached), a virtual screen when
# there is none, a bounded time, and the prefix's wineserver ended afterwards.
#   wine_run.sh PROGRAM.exe [ARGUMENTS...]
# WINE_RUN_KEEP_PREFIX=DIR runs in DIR instead and keeps it (for tests that look inside);
# WINE_RUN_PRINT=FILE prints FILE, a log the program wrote, once it has ended;
# WINE_RUN_WAIT=1 also waits (bounded) for the processes the program started, as an
# uninstaller that runs on from a copy of itself.
set -u
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$0" "$@"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
cache=${DICEWRIGHT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dicewright}
template=$cache/$(wine --version | tr -c 'a-zA-Z0-9.\n' '-')-prefix-2

# The first run prepares the template (wineboot takes some seconds); later runs copy it.
mkdir -p "$cache"
(
    flock 9
    if [ ! -f "$template/.complete" ]; then
        rm -rf "$template"
        WINEPREFIX=$template wine wineboot --init >/dev/null 2>&1
        WINEPREFIX=$template wineserver -w
        # Windows has Tahoma, its dialog font; Debian's Wine carries it but does not register it.
        cp /usr/share/wine/fonts/tahoma*.ttf "$template/drive_c/windows/Fonts/" 2>/dev/null
        touch "$template/.complete"
    fi
) 9>"$cache/wine-prefix.lock"

if [ -n "${WINE_RUN_KEEP_PREFIX:-}" ]; then
    export WINEPREFIX=$WINE_RUN_KEEP_PREFIX
    [ -f "$WINEPREFIX/.complete" ] || cp -a --reflink=auto "$template/." "$WINEPREFIX/"
else
    WINEPREFIX=$(mktemp -d)
    export WINEPREFIX
    cp -a --reflink=auto "$template/." "$WINEPREFIX/"
    trap 'rm -rf "$WINEPREFIX"' EXIT
fi
timeout --kill-after=10 "${WINE_RUN_TIMEOUT:-600}" wine "$@"
status=$?
[ -n "${WINE_RUN_WAIT:-}" ] && timeout 120 wineserver -w
wineserver -k 2>/dev/null
if [ -n "${WINE_RUN_PRINT:-}" ] && [ -f "$WINE_RUN_PRINT" ]; then
    cat "$WINE_RUN_PRINT"
    rm -f "$WINE_RUN_PRINT"
fi
exit $status
