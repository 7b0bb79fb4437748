"""tockwerk as a screen reader user meets it: the time and the date read as what they show,
every control named and reached by Tab, the "Alarm" option chosen through AT-SPI's toggle
opening the alarm controls, an alarm time set through AT-SPI kept, filtered and armed."""

import re
import sys
import time

import pyatspi
from atspi_walk import (Program, check, check_controls_named, check_tab_reaches, do_action,
                        find, find_named, finish, focus_window, tab_to, text_of, type_keys, wait_for, walk)

TITLE = "Die Tockwerk"
WEEKDAYS = ["Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"]


def shown_time(window):
    """The three large numbers of the time frame, read through the text interface."""
    frame = find_named(window, "panel", "Time")
    numbers = [text_of(frame.getChildAtIndex(i)) for i in range(frame.childCount)
               if frame.getChildAtIndex(i).name != ":"]
    return numbers if None not in numbers else None


def check_time_and_date(window):
    numbers = wait_for(lambda: shown_time(window))
    check(numbers and len(numbers) == 3, "the time reads %r" % numbers)
    if numbers and len(numbers) == 3:
        shown = int(numbers[0]) * 3600 + int(numbers[1]) * 60 + int(numbers[2])
        now = time.localtime()
        here = now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec
        check(min(abs(here - shown), 86400 - abs(here - shown)) <= 2,
              "the time reads %s, the clock says %s" % (":".join(numbers),
                                                        time.strftime("%H:%M:%S", now)))
    today = time.localtime()
    date = "%s, der %s" % (WEEKDAYS[today.tm_wday], time.strftime("%d.%m.%Y", today))
    check(find(window, lambda a: a.getRoleName() == "label" and text_of(a) == date),
          "no label reads the date %r" % date)


def said_after(program, before):
    """What the program says from entry `before` on, once it has spoken and gone quiet; the
    digits of times left out, as a minute may turn between two requests."""
    wait_for(lambda: any(e["op"] == "Speak" for e in program.speech()[before:]), timeout=10)
    count = -1
    while count != len(program.speech()):
        count = len(program.speech())
        wait_for(lambda: False, timeout=0.5)
    return [re.sub(r"[0-9]", "#", str(e)) for e in program.speech()[before:]]


def check_speak_button(program, window):
    """"Sprich" pressed through AT-SPI says what Space on the focused button says."""
    before = len(program.speech())
    do_action(find_named(window, "push button", "Sprich"), "Press")
    through_atspi = said_after(program, before)
    check(tab_to(window, lambda a: a.name == "Sprich"), "Tab never reaches 'Sprich'")
    before = len(program.speech())
    type_keys("space")
    by_keyboard = said_after(program, before)
    check(through_atspi and through_atspi == by_keyboard,
          "'Sprich' through AT-SPI said %r, by Space %r" % (through_atspi, by_keyboard))


def open_menu_by_key(program):
    """The menu key on the focused window opens its pop-up menu: its items through AT-SPI."""
    type_keys("Menu")
    menu = wait_for(lambda: next((w for w in program.app
                                  if w is not None and w.getRoleName() == "popup menu"), None))
    check(menu, "the pop-up menu is not on the AT-SPI bus while open")
    return {item.name: item for item in menu if item is not None} if menu else {}


def check_popup_menu(program):
    """The menu key opens the menu; an interval chosen through AT-SPI shows as chosen when the
    menu is opened again; Escape leaves it."""
    items = open_menu_by_key(program)
    for wanted in ("Ansage jede 15 min", "Uhr Anzeigen", "Info", "Exit"):
        check(wanted in items, "the pop-up menu offers no %r: %r" % (wanted, sorted(items)))
    if "Ansage jede 15 min" not in items:
        type_keys("Escape")
        return
    do_action(items["Ansage jede 15 min"], "Press")
    wait_for(lambda: not any(w.getRoleName() == "popup menu" for w in program.app), timeout=3)
    focus_window(TITLE)
    items = open_menu_by_key(program)
    chosen = [name for name, item in items.items()
              if item.getState().contains(pyatspi.STATE_CHECKED)]
    check(chosen == ["Ansage jede 15 min"], "after choosing 15 min the menu marks %r" % chosen)
    type_keys("Escape")
    check(wait_for(lambda: not any(w.getRoleName() == "popup menu" for w in program.app),
                   timeout=3), "Escape does not close the pop-up menu")


def main(binary):
    program = Program(binary, "tockwerk")
    try:
        window = program.window(TITLE)
        check_time_and_date(window)
        focus_window(TITLE)
        check_tab_reaches(window, check_controls_named(window), TITLE)
        check_speak_button(program, window)
        check_popup_menu(program)
        focus_window(TITLE)

        # A screen reader activates a radio button with its toggle action, not a click.
        do_action(find_named(window, "radio button", "Alarm"), "Toggle")
        box = wait_for(lambda: find_named(window, "text", "Alarmzeit"), timeout=5)
        check(box, "after the toggle on Alarm the alarm time box does not show")
        if not box:
            return
        check_tab_reaches(window, check_controls_named(window), TITLE + " with the alarm")

        # Reaching the box by Tab counts as the click into it; the text then comes from an
        # assistive tool, which may bring characters an alarm time cannot hold.
        check(tab_to(window, lambda a: a.getRoleName() == "text" and a.name == "Alarmzeit"),
              "Tab never reaches the alarm time box")
        box.queryEditableText().setTextContents("2x3:59:0")
        check(wait_for(lambda: text_of(box) == "23:59:0", timeout=3),
              "the alarm box set through AT-SPI holds %r, not '23:59:0'" % text_of(box))
        box.queryEditableText().insertText(7, "0", 1)
        check(wait_for(lambda: text_of(box) == "23:59:00", timeout=3),
              "after an insertion through AT-SPI the alarm box holds %r" % text_of(box))
        arm = find_named(window, "push button", "Alarm aktivieren")
        check(arm and arm.getState().contains(pyatspi.STATE_ENABLED),
              "'Alarm aktivieren' is not enabled after Tab into the box")
        do_action(arm, "Press")
        armed = wait_for(lambda: find(window, lambda a: text_of(a) == "Alarmausgabe um: 23:59:00"),
                         timeout=3)
        check(armed, "the alarm set through AT-SPI is not armed for 23:59:00: " + repr(
                ([(c.getRoleName(), c.name) for c in program.app], text_of(box),
                 [text_of(a) for a in walk(window) if a.getRoleName() == "label"])))
    finally:
        program.stop()
        finish()  # also after an early return on a failed expectation


if __name__ == "__main__":
    main(sys.argv[1])
