#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program against what users and their machines do to it: a copy killed
# without a chance to clean up, a lock file emptied by a power loss, a reminder
# date from the future, a settings store that cannot be read or written, huge
# texts and pasted text that no keystroke filter saw.
#   robustness.sh <velnora> killed-copy | damaged-lock | future-reminder |
#                 unusable-settings | long-texts | pasted-text
source "$(dirname "$0")/lib.sh"

killed_copy() {
    start_main
    kill -KILL "$PID"
    wait "$PID" 2>/dev/null
    [ -e "$XDG_RUNTIME_DIR/velnora.lock" ] || fail "the killed copy left no lock to test with"
    start_main
    no_message_box "the lock of the killed copy blocked the start"
    close_main
}

# An empty lock file keeps no one out. A folder where the lock belongs moves the
# lock elsewhere: the program starts, and a second copy is still refused.
damaged_lock() {
    : >"$XDG_RUNTIME_DIR/velnora.lock"
    start_main
    no_message_box "the empty lock file blocked the start"
    close_main

    mkdir "$XDG_RUNTIME_DIR/velnora.lock"
    start_main
    local first=$PID box
    no_message_box "the folder at the lock path blocked the start"
    start_velnora
    box=$(new_window "$BOX_TITLE")
    focus "$box"
    keys Return
    wait_exit "$PID" 0
    PID=$first
    focus "$MAIN"
    close_main
}

future_reminder() {
    local today
    today=$(date +%F)
    mkdir -p "$(dirname "$SETTINGS")"
    printf '[General]\nLastReminderDate=%s\n' "$(date -d '+30 days' +%F)" >"$SETTINGS"
    start_velnora
    local question
    question=$(new_window "$BOX_TITLE")
    [ -z "$(visible_windows "$MAIN_TITLE")" ] || fail "the main window came before the question"
    focus "$question"
    keys alt+n
    MAIN=$(new_window "$MAIN_TITLE")
    grep -q "^LastReminderDate=$today\$" "$SETTINGS" || fail "today was not stored: $(cat "$SETTINGS")"
    [ ! -e "$OPENED" ] || fail "No opened $(cat "$OPENED")"
    focus "$MAIN"
    close_main
}

# Neither a settings file that is a folder or a FIFO nor a settings folder that
# cannot be created (it would lie under a plain file) may stop the program or ask
# anything.
unusable_settings() {
    mkdir -p "$SETTINGS"
    start_main
    no_message_box "with an unreadable settings file"
    close_main

    rmdir "$SETTINGS"
    mkfifo "$SETTINGS"
    start_main
    no_message_box "with a FIFO for the settings file"
    close_main
    [ -p "$SETTINGS" ] || fail "the FIFO at the settings path was replaced"

    touch "$SANDBOX/plain-file"
    export XDG_CONFIG_HOME=$SANDBOX/plain-file/config
    chmod a-w "$HOME"
    start_main
    no_message_box "with a settings folder that cannot be written"
    close_main
}

long_texts() {
    local long
    long=$(head -c 10000 /dev/zero | tr '\0' 'A')
    start_main
    paste "$long"
    enter_example
    keys Tab Tab
    paste "$long"
    expect_field "$long" txtMCity
    keys alt+p
    local result width height
    result=$(new_window "$MAIN_TITLE" "$MAIN")
    no_message_box "10,000 characters were refused"
    eval "$(xdotool getwindowgeometry --shell "$result")"
    [ "$WIDTH" -le 1280 ] && [ "$HEIGHT" -le 1024 ] ||
        fail "the result window grew to ${WIDTH}x$HEIGHT"
    focus "$result"
    close_through_farewell "$MAIN" "$result"
}

# move_focus <from> <to>: Tab stops of frmMain, counted from txtName.
move_focus() {
    local step=Tab n=$(($2 - $1))
    [ $n -ge 0 ] || { step=shift+Tab; n=$((-n)); }
    for ((; n > 0; n--)); do keys $step; done
}

# Each row: Tab stop, pasted text, a proper value. Proceed must end in exactly one
# message box and no result; closing the box puts the focus back into the pasted
# box, which still holds the pasted text. With the proper values back, Proceed
# shows the result.
pasted_text() {
    local rows=(
        "$TAB_ZONE_HOUR|5x|-5"
        "$((TAB_ZONE_HOUR + 1))|3O|30"
        "$TAB_LAT_DEGREES|4x|23"
    )
    start_main
    enter_example
    local at=$TAB_LON_MINUTES row stop text good box
    for row in "${rows[@]}"; do
        IFS='|' read -r stop text good <<<"$row"
        move_focus "$at" "$stop"
        at=$stop
        paste "$text"
        expect_field "$text" "the box at Tab stop $stop"
        no_message_box "the paste of '$text' was filtered"
        keys alt+p
        box=$(new_window "$BOX_TITLE")
        [ "$(visible_windows "$MAIN_TITLE")" = "$MAIN" ] || fail "'$text' brought a result window"
        focus "$box"
        keys Return
        wait_hidden "$box"
        focus "$MAIN"
        expect_field "$text" "the box refused for '$text'"
        paste "$good"
    done
    keys alt+p
    new_window "$MAIN_TITLE" "$MAIN" >/dev/null
    no_message_box "after the proper values came back"
}

case $SCENARIO in
    killed-copy) killed_copy ;;
    damaged-lock) damaged_lock ;;
    future-reminder) future_reminder ;;
    unusable-settings) unusable_settings ;;
    long-texts) long_texts ;;
    pasted-text) pasted_text ;;
    *) fail "no such scenario" ;;
esac
echo "PASS [$SCENARIO]"
