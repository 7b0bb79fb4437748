"""zifferio as a screen reader user meets it: every key named and reached by Tab, the display
and the memory mark read as what they show, keys pressed through AT-SPI saying and showing
the same as the same keys typed."""

import sys
import time

from atspi_walk import (ANNOUNCED, Program, check, check_controls_named, check_tab_reaches,
                        do_action, find_named, finish, focus_window, listen, text_of, type_keys,
                        wait_for)

TITLE = "Sprechender Rechner"
# The pad's captions and the keyboard's keys for the same steps, with the display after each.
STEPS = [("1", "1", "1,"), ("2", "2", "12,"), ("-", "minus", "12,"), ("5", "5", "5,"),
         ("=", "equal", "7"), ("/", "slash", "7"), ("2", "2", "2,"), ("=", "Return", "3,5")]


def display(window):
    return text_of(find_named(window, "label", "Anzeige"))


def settle(program, before):
    """Each key speaks: waits until it has, so the next key does not cut it short."""
    wait_for(lambda: len(program.speech()) > before, timeout=3)
    wait_for(lambda: False, timeout=0.2)  # the press action releases its button 100 ms later


def pressed_through_atspi(binary):
    listen("object:text-changed:insert", "object:property-change:accessible-name")
    program = Program(binary, "zifferio")
    try:
        window = program.window(TITLE)
        check(display(window) == "0,", "the display reads %r at the start" % display(window))
        for caption, _, shown in STEPS:
            before = len(program.speech())
            do_action(find_named(window, "push button", caption), "Press")
            settle(program, before)
            check(display(window) == shown,
                  "after %s the display reads %r, not %r" % (caption, display(window), shown))
        said = program.speech()
        # A screen reader hears each new number, and no name that stayed the same.
        heard = [text for (kind, source, text) in ANNOUNCED
                 if kind == "object:text-changed:insert" and source == "Anzeige"]
        shown = [s for i, (_, _, s) in enumerate(STEPS) if i == 0 or s != STEPS[i - 1][2]]
        check(heard == shown, "the display announced %r, it showed %r" % (heard, shown))
        renamed = [source for (kind, source, _) in ANNOUNCED if kind.endswith("accessible-name")]
        check(not renamed, "names announced as changed though they stayed: %r" % renamed)

        mark = find_named(window, "label", "Speicher")
        check(text_of(mark) == "", "the memory mark reads %r before M+" % text_of(mark))
        do_action(find_named(window, "push button", "M+"), "Press")
        check(wait_for(lambda: text_of(mark) == "M", timeout=3),
              "after M+ the memory mark reads %r, not 'M'" % text_of(mark))
        do_action(find_named(window, "push button", "MC"), "Press")
        check(wait_for(lambda: text_of(mark) == "", timeout=3),
              "after MC the memory mark reads %r" % text_of(mark))
        return said
    finally:
        program.stop()


def typed(binary):
    program = Program(binary, "zifferio")
    try:
        window = program.window(TITLE)
        focus_window(TITLE)
        for _, key, shown in STEPS:
            before = len(program.speech())
            type_keys(key)
            settle(program, before)
            check(display(window) == shown,
                  "after the key %s the display reads %r, not %r" % (key, display(window), shown))
        said = program.speech()
        controls = check_controls_named(window)
        check_tab_reaches(window, controls, TITLE)
        return said
    finally:
        program.stop()


def main(binary):
    through_atspi = pressed_through_atspi(binary)
    by_keyboard = typed(binary)
    check(through_atspi, "nothing was said for the keys pressed through AT-SPI")
    check(through_atspi == by_keyboard,
          "pressed through AT-SPI the calculator said\n  %s\ntyped it said\n  %s"
          % (through_atspi, by_keyboard))
    finish()


if __name__ == "__main__":
    main(sys.argv[1])
