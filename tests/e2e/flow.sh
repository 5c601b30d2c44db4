#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program end to end: the 5 March 2024 example typed into the main
# window with the zone taken from the catalogue, the result window, the farewell
# window and the end; and a second copy started while the first runs.
#   flow.sh <velnora> flow | second-copy
source "$(dirname "$0")/lib.sh"

# The catalogue link's place in frmMain's client area, in twips; the client area
# fills the window below the menu bar.
readonly TZ_HELP_X=6000 TZ_HELP_Y=2370 CLIENT_HEIGHT=7155
px() { echo $(( ($1 + 7) / 15 )); }

pick_indian_time() {
    local height menu
    height=$(xdotool getwindowgeometry --shell "$MAIN" | sed -n 's/^HEIGHT=//p')
    menu=$((height - $(px $CLIENT_HEIGHT)))
    xdotool mousemove --window "$MAIN" "$(px $TZ_HELP_X)" $((menu + $(px $TZ_HELP_Y))) click 1
    local catalogue
    catalogue=$(new_window "$CATALOGUE_TITLE")
    focus "$catalogue"
    # From the end of the list, typing the zone's first word scrolls it to the top
    # row, where the double-click lands.
    keys End
    typed Indian
    xdotool mousemove --window "$catalogue" 40 6 click --repeat 2 --delay 60 1
    wait_hidden "$catalogue"
    focus "$MAIN"
}

flow() {
    start_main
    pick_indian_time
    enter_example catalogue
    # The catalogue wrote the zone as -5 and -30.
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    expect_field -30 txtZoneMinute
    keys shift+Tab
    expect_field -5 txtZoneHour
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
