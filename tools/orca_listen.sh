#!/usr/bin/env bash
# Hears the web edition as a blind player does: Orca, with speech-dispatcher's silent dummy
# voice, reads a headful Chromium (its accessibility on) on a private X display and D-Bus
# session, while xdotool types as the player would: Space on the splash's button, 8 and Enter
# twice to roll step 8, Ctrl+L for the roll log, then Down and Escape (or the keys given in
# ORCA_KEYS, as xdotool names them, such as "space 8 ctrl+t 9 Tab 4 Return" for a test against
# 9 with step 4 as bonus). Prints what Orca said, in order. In another language (LANGUAGE=de for
# the desktop program and Orca, ORCA_LANG=de for Chromium too), ORCA_SPLASH is the splash
# button's caption to wait for. A look at the program, not a test: speech changes with Orca's version and settings,
# and Orca writes its log in bursts.
# Given the desktop program instead of the site's folder, Orca reads that, as on Linux.
#   tools/orca_listen.sh SITE_DIR|PROGRAM WORK_DIR
# Packages: orca speech-dispatcher xvfb xdotool openbox at-spi2-core dbus chromium, and the web
# tests' Node modules (tools/web_test_tools.sh).
set -euo pipefail
if [ "${1:-}" != --inside ]; then
    site=$(realpath "$1")
    work=$(realpath -m "$2")
    rm -rf "$work"
    mkdir -p "$work"
    display=:$((90 + RANDOM % 9))
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
    DISPLAY=$display dbus-run-session -- "$0" --inside "$site" "$work"
    exit
fi
site=$2 work=$3
here=$(cd "$(dirname "$0")/.." && pwd)
export NODE_PATH
NODE_PATH=$("$here/tools/web_test_tools.sh" | tail -n 1)
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
EOF
export ACCESSIBILITY_ENABLED=1 NO_AT_BRIDGE=0 GTK_A11Y=atspi
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null' EXIT

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
if [ -f "$site/index.html" ]; then
    node -e "require('$here/tests/web/browser.js').serve('$site').then((s) => console.log(s.origin))" >"$work/origin" &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/origin" ] && break; sleep 0.1; done
    chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$work/profile" --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync --disable-quic \
        --window-size=1024,768 --window-position=0,0 \
        ${ORCA_LANG:+--lang="$ORCA_LANG" --accept-lang="$ORCA_LANG"} --app="$(cat "$work/origin")" >"$work/chromium.log" 2>&1 &
else
    # The desktop program, through Qt's own AT-SPI bridge.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$site" >"$work/program.log" 2>&1 &
fi
pids+=($!)
orca --replace --debug-file "$work/orca.log" >"$work/orca.out" 2>&1 &
pids+=($!)

said() { grep -a 'SPEECH OUTPUT' "$work/orca.log" 2>/dev/null | sed "s/.*SPEECH OUTPUT: //; s/ *{'established'.*//"; }
# Waits, as a listening player does, until Orca has said something and then been quiet for a
# second (ten seconds at most). Orca writes its log in bursts, so the words are read back in
# order at the end.
listen() {
    local lines quiet=0 last
    last=$(said | wc -l)
    for _ in $(seq 100); do
        sleep 0.1
        lines=$(said | wc -l)
        if [ "$lines" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0 last=$lines; fi
        [ "$quiet" -ge 10 ] && [ "$lines" -gt "$1" ] && return
    done
    # Orca said nothing new: that is an answer too, not a failure of the tool.
    return 0
}
type_keys() {
    local from
    from=$(said | wc -l)
    xdotool key --clearmodifiers "$1"
    listen "$from"
}

splash=${ORCA_SPLASH:-TIME TO ROLL THE DICE}
for _ in $(seq 600); do said | grep -qF "$splash" && break; sleep 0.1; done
said | grep -qF "$splash" || { echo "Orca never read the splash"; cat "$work/orca.out"; exit 1; }
for keys in ${ORCA_KEYS:-space 8 Return Return ctrl+l Down Escape}; do
    type_keys "$keys"
    import -window root "$work/after-$keys.png" 2>/dev/null || true
done
# What Orca said, in order; each key it echoes (as "space" or "return") begins its answer. Orca
# writes its log in bursts: the last of it comes a while after the last key.
sleep 5
said
