#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The 5 March 2024 example driven over AT-SPI, as a screen reader drives the
# program, under a window manager and a session bus of the scenario's own; the
# steps are in screen_reader.py.
#   screen_reader.sh <velnora> screen-reader
readonly HERE=$(dirname "$0")
source "$HERE/lib.sh"

readonly PYTHON=/usr/bin/python3  # Debian's, which has pyatspi
for tool in openbox dbus-daemon /usr/libexec/at-spi-bus-launcher "$PYTHON"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (make deps installs it)"; exit $SKIP; }
done
"$PYTHON" -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIP: pyatspi is not installed (make deps installs it)"; exit $SKIP; }

screen_reader() {
    local address=unix:path=$XDG_RUNTIME_DIR/bus bus
    bus=$(dbus-daemon --session --address="$address" --fork --print-pid=1) || fail "no session bus"
    STARTED+=("$bus")
    export DBUS_SESSION_BUS_ADDRESS=$address QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    openbox >/dev/null 2>&1 &
    STARTED+=("$!")
    wait_for "the window manager" eval 'xdotool get_desktop >/dev/null 2>&1'
    start_velnora
    "$PYTHON" "$HERE/screen_reader.py" "$PID" || fail "the screen reader's steps failed"
    wait_exit "$PID" 0
    [ ! -e "$OPENED" ] || fail "a web page was opened: $(cat "$OPENED")"
}

case $SCENARIO in
    screen-reader) screen_reader ;;
    *) fail "no such scenario" ;;
esac
echo "PASS [$SCENARIO]"
