"""lautbote as a braille, magnifier or screen reader user meets it: the character's word balloon
reads as the text being spoken, and its caret and selection follow the word being heard; the
tray icon's menu opens from the keyboard, is read and chosen through AT-SPI and the keyboard;
the window it opens reads its speed."""

import os
import sys
import time

from atspi_walk import (Program, check, do_action, find, find_named, finish, focus_window,
                        text_of, type_keys, wait_for)

TIP = "Sprachausgabe"
SPEED_LABEL = "Sprechgeschwindigkeit (Worte/min): "

GREETING = "Guten Tag mein Herr"


def heard_word(balloon):
    """Caret, selection start and selected word; None when the next word came while they were
    read one after the other (the caret moved meanwhile), so that the caller reads again."""
    text = balloon.queryText()
    caret = text.caretOffset
    if text.getNSelections() != 1:
        return None
    start, end = text.getSelection(0)
    word = text.getText(start, end)
    if text.caretOffset != caret:
        return None
    return (caret, start, word)


def open_tray_menu(program):
    """Return on the focused tray icon opens its menu: the menu's items as AT-SPI shows them."""
    focus_window(TIP)
    type_keys("Return")
    menu = wait_for(lambda: next((w for w in program.app
                                  if w is not None and w.getRoleName() == "popup menu"), None))
    check(menu, "the tray icon's menu is not on the AT-SPI bus while open")
    if not menu:
        return {}
    return {item.name: item for item in menu if item is not None}


def check_tray_menu(program):
    items = open_tray_menu(program)
    for wanted in ("Programmfenster öffnen", "Beenden"):
        check(wanted in items, "the tray menu offers no %r: %r" % (wanted, sorted(items)))
    if "Programmfenster öffnen" not in items:
        return
    do_action(items["Programmfenster öffnen"], "Press")
    speed = wait_for(lambda: find_named(program.app, "scroll bar", "Sprechgeschwindigkeit"))
    check(speed, "the window opened from the tray menu shows no speed scroll bar")
    if not speed:
        return
    shown = lambda: find(program.app, lambda a: a.name.startswith(SPEED_LABEL))
    value = speed.queryValue()
    check(shown() and shown().name == SPEED_LABEL + "%d" % value.currentValue,
          "the speed label does not read the scroll bar's %r" % value.currentValue)
    value.currentValue = 180
    check(wait_for(lambda: shown().name == SPEED_LABEL + "180"),
          "the speed set through AT-SPI does not show in the speed label")
    # A screen reader's toggle on the greeting box is the user's click: it is saved.
    greeting = find(program.app, lambda a: a.getRoleName() == "check box"
                    and a.name.startswith("Beim ProgrammStart"))
    check(greeting, "no greeting check box")
    if greeting:
        do_action(greeting, "Toggle")

    # Back to the tray with the keyboard, and "Beenden" chosen there with the arrow keys.
    hide = find_named(program.app, "push button", "Verbergen")
    check(hide, "no button \"Verbergen\"")
    if not hide:
        return
    do_action(hide, "Press")
    time.sleep(0.5)
    items = open_tray_menu(program)
    if "Beenden" not in items:
        return
    type_keys("Up", "Return")
    try:
        program.process.wait(timeout=20)
    except Exception:
        pass
    check(program.process.poll() == 0,
          "\"Beenden\" chosen with the keyboard did not end the reader (%r)"
          % program.process.poll())
    check("[Begruessung]\r\nB=0\r\n" in saved_settings(program),
          "the greeting box toggled through AT-SPI is not saved as off: %r" % saved_settings(program))


def saved_settings(program):
    path = os.path.join(program.scratch, "Agent.ini")
    if not os.path.exists(path):
        return ""
    with open(path, encoding="latin-1", newline="") as ini:
        return ini.read()


def main(binary):
    # The settings live beside the program unless told otherwise: kept in the walk's scratch.
    program = Program(binary, "lautbote", env_extra={"SPRACHAUSGABE_PROGRAM_DIR": "{scratch}"})
    try:
        balloon = wait_for(lambda: next((w for w in program.app
                                         if w is not None and w.name == "Sprechblase"), None))
        check(balloon, "no word balloon on the AT-SPI bus")
        if not balloon:
            return
        said = wait_for(lambda: text_of(balloon))
        check(said and said.startswith(GREETING), "the balloon reads %r" % said)
        words = said.split() if said else []
        seen = []
        for _ in range(3):
            now = wait_for(lambda: (lambda w: w if w and w not in seen else None)(
                heard_word(balloon)), timeout=5)
            if now:
                seen.append(now)
        check(len(seen) == 3, "the marked word moved %d times, not 3: %r" % (len(seen) - 1, seen))
        for caret, start, word in seen:
            check(caret == start and word in words,
                  "caret %d and selection %r do not mark a word of the text" % (caret, word))
        check([c for c, _, _ in seen] == sorted(c for c, _, _ in seen),
              "the marked word went backwards: %r" % seen)
        check_tray_menu(program)
    finally:
        program.stop()
        finish()  # also after an early return on a failed expectation


if __name__ == "__main__":
    main(sys.argv[1])
