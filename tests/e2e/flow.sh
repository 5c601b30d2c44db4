#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program end to end: the 5 March 2024 example typed into the main
# window with the zone taken from the catalogue, the result window, the farewell
# window and the end; and a second copy started while the first runs.
#   flow.sh <velnora> flow | second-copy
source "$(dirname "$0")/lib.sh"

# "TZ Help" from the keyboard: Tab to it from txtName and press Enter. The
# catalogue offers its zones to a double-click only: from the end of the list,
# typing the zone's first word scrolls it to the top row, where the double-click
# lands. The focus comes back to "TZ Help", and Shift+Tab reads the zone fields.
pick_indian_time() {
    tabs $TAB_TZ_HELP
    keys Return
    local catalogue
    catalogue=$(new_window "$CATALOGUE_TITLE")
    focus "$catalogue"
    keys End
    typed Indian
    xdotool mousemove --window "$catalogue" 40 6 click --repeat 2 --delay 60 1
    wait_hidden "$catalogue"
    focus "$MAIN"
    keys shift+Tab
    expect_field -30 txtZoneMinute
    keys shift+Tab
    expect_field -5 txtZoneHour
    local i
    for ((i = 0; i < TAB_ZONE_HOUR; i++)); do keys shift+Tab; done
}

flow() {
    start_main
    pick_indian_time
    enter_example catalogue
    keys alt+p
    local result
    result=$(new_window "$MAIN_TITLE" "$MAIN")
    is_gone "$MAIN" || fail "the main window stays on screen beside the result"
    [ -z "$(visible_windows "$BOX_TITLE")" ] || fail "Proceed showed a message box"
    focus "$result"
    close_through_farewell "$MAIN" "$result"
    [ ! -e "$OPENED" ] || fail "a web page was opened: $(cat "$OPENED")"
}

second_copy() {
    start_main
    local first=$PID
    start_velnora
    local second=$PID box
    box=$(new_window "$BOX_TITLE")
    [ -z "$(visible_windows "$MAIN_TITLE" "$second")" ] || fail "the second copy shows a window"
    focus "$box"
    keys Return
    wait_exit "$second" 0
    kill -0 "$first" 2>/dev/null || fail "the first copy ended too"
    is_visible "$MAIN" || fail "the first copy's main window went away"
}

case $SCENARIO in
    flow) flow ;;
    second-copy) second_copy ;;
    *) fail "no such scenario" ;;
esac
echo "PASS [$SCENARIO]"
