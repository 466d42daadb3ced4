#!/usr/bin/env bash
# Runs accessibility_test.py against the real program on its own X screen and D-Bus session,
# with Qt's AT-SPI bridge switched on: in English, then in German and French.
#   accessibility_test.sh BINARY
set -u
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' "$0" "$@"
fi
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Debian's Python, which has the AT-SPI bindings, whatever else is first on the PATH.
/usr/bin/python3 "$(dirname "$0")/accessibility_test.py" "$1"
