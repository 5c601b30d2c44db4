# SPDX-License-Identifier: GPL-3.0-or-later
# Driving the real program on a private X server, as a user would: xdotool types
# and clicks, xclip carries text in and out of the fields through the clipboard.
# Every scenario runs with its own HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR and
# a stand-in browser that only records the addresses it is asked to open.
# Sourced by the scenario scripts: lib.sh <velnora> <scenario>.

set -u
VELNORA=$1
SCENARIO=$2
readonly SKIP=77
readonly MAIN_TITLE='Velnora v1.15'
readonly CATALOGUE_TITLE='Velnora v1.05'
readonly BOX_TITLE='Velnora'
readonly DEADLINE=15  # seconds for anything to appear or end

for tool in xvfb-run xauth xdotool xclip; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (make deps installs it)"
        exit $SKIP
    fi
done

# Run once more on a private X server of our own.
if [ -z "${VELNORA_E2E_DISPLAY:-}" ]; then
    export VELNORA_E2E_DISPLAY=1
    exec xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp -noreset' bash "$0" "$@"
fi
# The scenarios read the English windows, whatever language the caller uses.
unset QT_QPA_PLATFORM SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS LANGUAGE LC_MESSAGES LANG
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

# A failure inside $(...) ends the whole scenario, not just the subshell.
readonly SCENARIO_SHELL=$$
trap 'exit 1' USR1
fail() {
    echo "FAIL [$SCENARIO]: $*" >&2
    [ "$BASHPID" = "$SCENARIO_SHELL" ] || kill -USR1 "$SCENARIO_SHELL"
    exit 1
}

# --- a private home -----------------------------------------------------------

SANDBOX=$(mktemp -d)
STARTED=()
cleanup() {
    for pid in "${STARTED[@]}"; do kill -9 "$pid" 2>/dev/null; done
    chmod -R u+rwx "$SANDBOX" 2>/dev/null
    rm -rf "$SANDBOX"
}
trap cleanup EXIT

export HOME=$SANDBOX/home XDG_CONFIG_HOME=$SANDBOX/home/.config XDG_RUNTIME_DIR=$SANDBOX/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$SANDBOX/bin"
chmod 700 "$XDG_RUNTIME_DIR"
SETTINGS=$XDG_CONFIG_HOME/Velnora/Velnora.conf
OPENED=$SANDBOX/opened
printf '#!/bin/sh\necho "$1" >> "%s"\n' "$OPENED" >"$SANDBOX/bin/xdg-open"
chmod +x "$SANDBOX/bin/xdg-open"
export PATH=$SANDBOX/bin:$PATH BROWSER=$SANDBOX/bin/xdg-open

# --- processes and windows ----------------------------------------------------

# start_velnora: runs the program in the background; its id lands in PID.
start_velnora() {
    "$VELNORA" &
    PID=$!
    STARTED+=("$PID")
}

# visible_windows <title> [pid]: ids of the mapped windows with exactly that title.
visible_windows() {
    if [ $# -ge 2 ]; then
        xdotool search --all --onlyvisible --pid "$2" --name "^$1\$" 2>/dev/null
    else
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null
    fi
}

# wait_for <what> <command...>: repeats the command until it succeeds.
wait_for() {
    local what=$1 end=$((SECONDS + DEADLINE))
    shift
    until "$@"; do
        [ $SECONDS -lt $end ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

# new_window <title> <ids to ignore...>: waits for a mapped window of that title
# that is none of the given ones, and prints its id.
new_window() {
    local title=$1 end=$((SECONDS + DEADLINE)) id
    shift
    while :; do
        for id in $(visible_windows "$title"); do
            [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
        done
        [ $SECONDS -lt $end ] || fail "no new '$title' window appeared"
        sleep 0.1
    done
}

is_visible() { xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
is_gone() { ! is_visible "$1"; }
wait_hidden() { wait_for "window $1 to close" is_gone "$1"; }

# wait_exit <pid> <status>: the process must end by itself with that status.
wait_exit() {
    local pid=$1 expected=$2 end=$((SECONDS + DEADLINE)) status
    while kill -0 "$pid" 2>/dev/null && ! grep -q '^Z' "/proc/$pid/stat" 2>/dev/null &&
          [ $SECONDS -lt $end ]; do
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null && ! grep -qE '^[0-9]+ \(.*\) Z' "/proc/$pid/stat"; then
        fail "process $pid still runs"
    fi
    wait "$pid"
    status=$?
    [ "$status" -eq "$expected" ] || fail "process $pid ended with status $status, not $expected"
}

# The window takes the keyboard focus, as after a click on its title bar.
focus() { xdotool windowfocus --sync "$1"; }
keys() { xdotool key --delay 40 "$@"; }
typed() { xdotool type --delay 30 -- "$1"; }

# --- the clipboard ------------------------------------------------------------

to_clipboard() { printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1; }
from_clipboard() { xclip -selection clipboard -o 2>/dev/null; }

# field_text: the whole text of the focused box, copied as a user would. An
# empty box copies nothing, so the box must hold some text.
field_text() {
    local sentinel="<nothing copied $RANDOM>" end=$((SECONDS + DEADLINE)) text
    to_clipboard "$sentinel"
    keys ctrl+a ctrl+c
    while text=$(from_clipboard); [ "$text" = "$sentinel" ]; do
        [ $SECONDS -lt $end ] || fail "nothing was copied: the focused box is empty or no box has the focus"
        sleep 0.1
    done
    printf '%s' "$text"
}

expect_field() {
    local text
    text=$(field_text)
    [ "$text" = "$1" ] || fail "$2 holds '${text:0:60}', expected '${1:0:60}'"
}

# paste <text>: replaces the focused box's text through the clipboard.
paste() {
    to_clipboard "$1"
    keys ctrl+a ctrl+v
}

# --- the main window ----------------------------------------------------------

# Tab stops of frmMain counted from txtName; "TZ Help" follows the zone minute.
# An option group is one stop: the selected button.
readonly TAB_ZONE_HOUR=7 TAB_TZ_HELP=9 TAB_LAT_DEGREES=10 TAB_LON_MINUTES=14

tabs() { local i; for ((i = 0; i < $1; i++)); do keys Tab; done; }

# start_main: starts the program and waits for its main window, focused, in MAIN.
start_main() {
    start_velnora
    MAIN=$(new_window "$MAIN_TITLE")
    focus "$MAIN"
}

# enter_example [catalogue]: the 5 March 2024 example typed into a freshly
# started main window, the focus starting in txtName and ending in txtLonM. The
# zone is typed as -5 and 30 unless the catalogue has already filled it.
enter_example() {
    typed ram
    keys Tab; typed March; keys Tab; typed 5; keys Tab; typed 2024
    keys Tab; typed 9; keys Tab; typed 5; keys Tab
    if [ "${1:-}" = catalogue ]; then
        keys Tab Tab Tab
    else
        keys Tab; typed -5; keys Tab; typed 30; keys Tab
    fi
    keys Tab; typed 23; keys Tab; typed 2
    keys Tab Tab; typed 72; keys Tab; typed 35
}

# close_through_farewell <window>: Escape on the result window, E&xit on the
# farewell window; the program must end with status 0.
close_through_farewell() {
    keys Escape
    local farewell
    farewell=$(new_window "$MAIN_TITLE" "$@")
    focus "$farewell"
    keys Return
    wait_exit "$PID" 0
}

# close_main: the main window's File > E&xit, then E&xit on the farewell window;
# the program must end with status 0.
close_main() {
    keys alt+f x
    local farewell
    farewell=$(new_window "$MAIN_TITLE" "$MAIN")
    focus "$farewell"
    keys Return
    wait_exit "$PID" 0
}

no_message_box() {
    [ -z "$(visible_windows "$BOX_TITLE")" ] || fail "unexpected message box: $1"
}
