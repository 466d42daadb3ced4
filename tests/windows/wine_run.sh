#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, as ctest's emulator and for the Windows tests:
# a Wine prefix of its own (copied from one prepared once and cached), a virtual screen when
# there is none, a bounded time, and the prefix's wineserver ended afterwards.
#   wine_run.sh PROGRAM.exe [ARGUMENTS...]
# WINE_RUN_KEEP_PREFIX=DIR runs in DIR instead and keeps it (for tests that look inside);
# WINE_RUN_PRINT=FILE prints FILE, a log the program wrote, once it has ended;
# WINE_RUN_WAIT=1 also waits (bounded) for the processes the program started, as an
# uninstaller that runs on from a copy of itself.
# WINE_RUN_LOCALE=de_DE.UTF-8 runs in that locale, which Wine takes its display language from,
# compiled once into the cache (glibc's LOCPATH): the machine's own locales stay as they are.
set -u
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$0" "$@"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
# Wine passes Unix paths through the locale's character set: without UTF-8 (no LANG, as in a
# container) a path with non-ASCII letters comes out empty.
export LC_ALL=C.UTF-8
cache=${DICEWRIGHT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dicewright}
if [ -n "${WINE_RUN_LOCALE:-}" ]; then
    locales=$cache/locales
    mkdir -p "$locales"
    (
        flock 9
        [ -d "$locales/$WINE_RUN_LOCALE" ] ||
            localedef -i "${WINE_RUN_LOCALE%%.*}" -f UTF-8 "$locales/$WINE_RUN_LOCALE"
    ) 9>"$locales/.lock" || { echo "wine_run.sh: no locale $WINE_RUN_LOCALE" >&2; exit 1; }
    export LOCPATH=$locales LC_ALL=$WINE_RUN_LOCALE
fi
template=$cache/$(wine --version | tr -c 'a-zA-Z0-9.\n' '-')-prefix-2

# The first run prepares the template (wineboot takes some seconds); later runs copy it. It
# counts as prepared only when wineboot succeeded and left a registry; otherwise the next run
# starts it again rather than reuse a broken prefix.
mkdir -p "$cache"
(
    flock 9
    [ -f "$template/.complete" ] && exit 0
    rm -rf "$template"
    if ! WINEPREFIX=$template timeout 300 wine wineboot --init >/dev/null 2>&1 ||
        ! WINEPREFIX=$template timeout 120 wineserver -w || [ ! -f "$template/system.reg" ]; then
        echo "wine_run.sh: preparing the Wine prefix failed" >&2
        rm -rf "$template"
        exit 1
    fi
    # Windows has Tahoma, its dialog font; Debian's Wine carries it but does not register it.
    cp /usr/share/wine/fonts/tahoma*.ttf "$template/drive_c/windows/Fonts/" || exit 1
    touch "$template/.complete"
) 9>"$cache/wine-prefix.lock" || exit 1

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
# wineserver ends once the last process of the prefix has ended, and writes the registry out.
if [ -n "${WINE_RUN_WAIT:-}" ] && ! timeout "${WINE_RUN_TIMEOUT:-600}" wineserver -w; then
    echo "wine_run.sh: the processes that $1 started did not end in time" >&2
    status=124
fi
wineserver -k 2>/dev/null
if [ -n "${WINE_RUN_PRINT:-}" ] && [ -f "$WINE_RUN_PRINT" ]; then
    cat "$WINE_RUN_PRINT"
    rm -f "$WINE_RUN_PRINT"
fi
exit $status
