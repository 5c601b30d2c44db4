#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The 5 March 2024 example entered as a screen reader user would: every control
# is found over AT-SPI by its accessible name and role, texts are set through the
# editable text interface, buttons and links are pressed through their actions,
# and the lists are worked by keyboard once they have the focus. The zone comes
# from the catalogue: typing its first word makes it the current entry, which is
# then double-clicked where the catalogue says it lies; the catalogue offers its
# zones to a double-click only. The result window's values are read back by the
# captions they describe. Every window the steps open (main, catalogue, lookup,
# About, result, farewell) is audited on the way: it must be exposed as a window
# with its title, every list and framed group in it must have a name of its own,
# not just its current entry, and Tab must reach every control a mouse can use.
#   screen_reader.py <process id of the running program>
import subprocess
import sys
import time

import pyatspi

DEADLINE = 15  # seconds for anything to appear
TAB = 0xFF09  # the key symbol of Tab


def fail(message):
    print(f"FAIL [screen-reader]: {message}", file=sys.stderr)
    sys.exit(1)


def eventually(what, probe):
    """Repeats probe until it returns something other than None."""
    end = time.monotonic() + DEADLINE
    while True:
        try:
            found = probe()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found is not None:
            return found
        if time.monotonic() > end:
            fail(f"timed out waiting for {what}")
        time.sleep(0.1)


def program(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window(app, title, role=pyatspi.ROLE_FRAME, but=None):
    """The shown window of that title and role (None: any role), other than but.
    A window that is going away and no longer answers counts as gone."""
    for win in app:
        try:
            if (win is not None and win != but and win.name == title and
                    role in (None, win.getRole()) and
                    win.getState().contains(pyatspi.STATE_SHOWING)):
                return win
        except Exception:
            continue
    return None


WINDOWS = (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG)
LISTS = (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
         pyatspi.ROLE_TREE_TABLE)
GROUPS = (pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING, pyatspi.ROLE_FRAME)
CONTROLS = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
            pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_LINK, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
            pyatspi.ROLE_PASSWORD_TEXT) + LISTS


def selected_entry(combo):
    """The entry a closed drop-down list holds, as its list of entries marks it."""
    for entries in combo:
        for entry in entries or ():
            if entry is not None and entry.getState().contains(pyatspi.STATE_SELECTED):
                return entry.name
    return None


def descendants(root):
    """Every descendant, not looking inside lists and tables."""
    for child in root:
        if child is None:
            continue
        yield child
        if child.getRole() not in LISTS:
            yield from descendants(child)


def mouse_controls(win):
    """The controls in the window that a mouse can use, grouped by the place they
    take: of controls lying on one another (the two promotions) only the one in
    front can be clicked. Of an option group only the chosen button takes the
    focus from the keyboard."""
    places = {}
    for a in descendants(win):
        state = a.getState()
        if (a.getRole() in CONTROLS and state.contains(pyatspi.STATE_SHOWING) and
                state.contains(pyatspi.STATE_ENABLED)):
            if a.getRole() == pyatspi.ROLE_RADIO_BUTTON and not state.contains(
                    pyatspi.STATE_CHECKED):
                continue
            box = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            places.setdefault((box.x, box.y, box.width, box.height), []).append(a)
    return list(places.values())


def audit(win, what):
    """The window's role and title, the names of its lists and groups, its tab order."""
    if win.getRole() not in WINDOWS:
        fail(f"the {what} window is exposed as a {win.getRoleName()}, not as a window")
    if not win.name:
        fail(f"the {what} window has no title")
    for a in descendants(win):
        role = a.getRole()
        if role == pyatspi.ROLE_COMBO_BOX:
            if not a.name or a.name == selected_entry(a):
                fail(f"a list in the {what} window is announced only by its entry '{a.name}'")
        elif role in LISTS and not a.name:
            fail(f"a list in the {what} window has no name")
        elif role == pyatspi.ROLE_FRAME:
            fail(f"a group '{a.name}' in the {what} window is exposed as a window")
        elif role in GROUPS and not a.name:
            fail(f"a framed group in the {what} window has no name")
    controls = mouse_controls(win)

    def focused_control():
        """The place and the control that has the focus, if one of them has it."""
        return next(((i, c) for i, place in enumerate(controls) for c in place
                     if c.getState().contains(pyatspi.STATE_FOCUSED)), None)

    focus = focused_control()
    reached = set()
    for _ in range(2 * len(controls) + 2):
        pyatspi.Registry.generateKeyboardEvent(TAB, None, pyatspi.KEY_SYM)
        # Tab moves the focus, unless there is nowhere else for it to go.
        before = focus[1] if focus and len(controls) > 1 else None
        focus = eventually(f"Tab to move the focus in the {what} window", lambda: next(
            (f for f in (focused_control(),) if f is not None and f[1] != before), None))
        reached.add(focus[0])
        if len(reached) == len(controls):
            return
    missed = [f"{controls[i][0].getRoleName()} '{controls[i][0].name}'"
              for i in range(len(controls)) if i not in reached]
    fail(f"Tab never reaches {', '.join(missed)} in the {what} window")


def described(root, description):
    return walk(root, lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.description == description)


def find(root, name, roles):
    return eventually(f"'{name}'", lambda: walk(root, lambda a: a.name == name and
                                                a.getRole() in roles))


def press(accessible, action="Press"):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        fail(f"'{accessible.name}' offers {names}, not '{action}'")
    actions.doAction(names.index(action))


def focused(accessible):
    accessible.queryComponent().grabFocus()
    eventually(f"the focus in '{accessible.name}'",
               lambda: True if accessible.getState().contains(pyatspi.STATE_FOCUSED) else None)


def typed(text):
    """Keys for each character; the caller waits for what they select."""
    for char in text:
        pyatspi.Registry.generateKeyboardEvent(ord(char), None, pyatspi.KEY_SYM)


TEXT = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
BUTTON = (pyatspi.ROLE_PUSH_BUTTON,)
OPTION = (pyatspi.ROLE_RADIO_BUTTON,)
LINK = (pyatspi.ROLE_LINK, pyatspi.ROLE_PUSH_BUTTON)


def set_text(root, name, text):
    box = find(root, name, TEXT)
    box.queryEditableText().setTextContents(text)
    got = box.queryText().getText(0, -1)
    if got != text:
        fail(f"'{name}' holds '{got}' after setting '{text}'")


def walk(root, match):
    """The first descendant that matches, not looking inside the drop-down lists."""
    for child in root:
        if child is None:
            continue
        if match(child):
            return child
        if child.getRole() not in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST):
            found = walk(child, match)
            if found is not None:
                return found
    return None


def focused_list(root):
    return walk(root, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX and
                a.getState().contains(pyatspi.STATE_FOCUSED))


# choose_after: the lists that follow the named box in tab order, picked by
# typing their entries. A closed list is announced by its current entry, and
# the lists offer no focus action of their own.
def choose_after(root, name, entries):
    focused(find(root, name, TEXT))
    for entry in entries:
        pyatspi.Registry.generateKeyboardEvent(TAB, None, pyatspi.KEY_SYM)
        typed(entry)
        eventually(f"'{entry}' in the list",
                   lambda: True if selected_entry(focused_list(root)) == entry else None)


def pick_zone(app, main, entry):
    press(find(main, "TZ Help", LINK))
    catalogue = eventually("the catalogue", lambda: window(app, "Velnora v1.05", pyatspi.ROLE_DIALOG))
    zones = find(catalogue, "Time Zones", (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE))
    if zones.childCount != 71:
        fail(f"the catalogue lists {zones.childCount} zones")
    audit(catalogue, "catalogue")
    focused(zones)
    typed(entry.split()[0])
    item = eventually(f"'{entry}' selected", lambda: next(
        (z for z in zones if z.name == entry and z.getState().contains(pyatspi.STATE_SELECTED)), None))
    # The pointer goes to the entry's place inside the catalogue's window, as
    # far from the window's corner as the program says; the window manager's
    # frame makes the program's own idea of the corner unreliable.
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Velnora v1.05$"],
                         capture_output=True, text=True, check=False).stdout.split()
    if len(ids) != 1:
        fail(f"{len(ids)} catalogue windows on the screen")
    corner = catalogue.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    box = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", "--window", ids[0],
                    str(box.x - corner.x + box.width // 2), str(box.y - corner.y + box.height // 2),
                    "click", "--repeat", "2", "--delay", "80", "1"], check=True)
    eventually("the catalogue to close", lambda: None if window(app, "Velnora v1.05",
                                                               pyatspi.ROLE_DIALOG) else True)


def focused_in(win):
    return True if walk(win, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED)) else None


def look_up(app, main):
    """The offline lookup of a place typed into the main window, closed again."""
    for name, text in (("Enter Your City Name", "Ahmedabad"), ("Enter Your State Name", "Gujarat"),
                       ("Enter Your Country Name", "India")):
        set_text(main, name, text)
    press(find(main, "Click Here To Find Latitude & Longitude", BUTTON))
    lookup = eventually("the lookup window", lambda: window(app, "Find Latitude & Longitude", None))
    find(lookup, "Places found", (pyatspi.ROLE_TABLE,))
    eventually("the lookup window to take the focus", lambda: focused_in(lookup))
    audit(lookup, "lookup")
    press(find(lookup, "Close", BUTTON))
    eventually("the lookup window to close",
               lambda: None if window(app, "Find Latitude & Longitude", None) else True)
    for name in ("Enter Your City Name", "Enter Your State Name", "Enter Your Country Name"):
        set_text(main, name, "")


def about(app, main):
    # Pressed over AT-SPI, a menu entry that opens a modal box answers only when
    # the box closes; so the keys open it: Help, About Software.
    find(main, "About Software", (pyatspi.ROLE_MENU_ITEM,))
    subprocess.run(["xdotool", "key", "--delay", "80", "alt+h", "a"], check=True)
    box = eventually("the About box", lambda: window(app, "Velnora v1.15", pyatspi.ROLE_DIALOG))
    eventually("the About box to take the focus", lambda: focused_in(box))
    audit(box, "About")
    press(find(box, "OK", BUTTON))
    eventually("the About box to close",
               lambda: None if window(app, "Velnora v1.15", pyatspi.ROLE_DIALOG) else True)


def expect_value(root, caption, expected):
    value = eventually(f"the value of '{caption}'", lambda: described(root, caption))
    if value.name != expected:
        fail(f"'{caption}' is announced as '{value.name}', expected '{expected}'")


def main():
    pid = int(sys.argv[1])
    app = eventually("the program on the accessibility bus", lambda: program(pid))
    main_window = eventually("the main window", lambda: window(app, "Velnora v1.15"))
    eventually("the main window to be active",
               lambda: True if main_window.getState().contains(pyatspi.STATE_ACTIVE) else None)

    audit(main_window, "main")
    look_up(app, main_window)
    about(app, main_window)
    set_text(main_window, "Enter Your Name", "RAM")
    choose_after(main_window, "Enter Your Name", ("March", "5", "2024", "9", "5"))
    pick_zone(app, main_window, "Indian Time, IST, +5.3")
    for name, expected in (("Time Zone Hour", "-5"), ("Time Zone Minute", "-30")):
        got = find(main_window, name, TEXT).queryText().getText(0, -1)
        if got != expected:
            fail(f"the catalogue wrote '{got}' into '{name}', expected '{expected}'")
    for name, text in (("Latitude Degrees", "23"), ("Latitude Minutes", "2"),
                       ("Longitude Degrees", "72"), ("Longitude Minutes", "35")):
        set_text(main_window, name, text)
    for name in ("North", "East"):
        if not find(main_window, name, OPTION).getState().contains(pyatspi.STATE_CHECKED):
            fail(f"'{name}' is not selected")
    press(find(main_window, "Proceed", BUTTON))

    result = eventually("the result window", lambda: window(app, "Velnora v1.15") if not
                        main_window.getState().contains(pyatspi.STATE_SHOWING) else None)
    for caption, expected in (("Your Details", "RAM"), ("Date of Work :", "March/5/2024"),
                              ("Time of Work :", "9:5"), ("Latitude   :", "23\u00b0 2' N"),
                              ("Longitude :", "72\u00b0 35' E"),
                              ("Choghadiya for given day:", "Udveg"),
                              ("Time Period", "Time period for work can be unfavorable.")):
        expect_value(result, caption, expected)
    audit(result, "result")

    press(find(result, "Exit", BUTTON))
    farewell = eventually("the farewell window", lambda: window(app, "Velnora v1.15", None, result))
    eventually("the farewell window to take the focus", lambda: focused_in(farewell))
    audit(farewell, "farewell")
    press(find(farewell, "Exit", BUTTON))


if __name__ == "__main__":
    main()
