"""netzleser as a screen reader user meets it, on a local page given on the command line: every
control named, the menu bar's menus opened and read through AT-SPI, "Sprich alles" pressed
through AT-SPI speaking the page's text, the address box readable. One start: the web engine
is heavy."""

import os
import shutil
import sys
import tempfile

import pyatspi

from atspi_walk import (Program, check, check_controls_named, do_action, find, find_named,
                        finish, text_of, type_keys, wait_for)

PAGE_TITLE = "Igelseite"
SENTENCE = "Der Igel schläft im Laub."


def write_page():
    folder = tempfile.mkdtemp(prefix="browser-walk.")
    path = os.path.join(folder, "igel.html")
    with open(path, "w", encoding="utf-8") as page:
        page.write("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%s</title></head>"
                   "<body><p>%s</p></body></html>" % (PAGE_TITLE, SENTENCE))
    return path


def check_menus(window):
    """Each menu of the menu bar opens through AT-SPI and reads its items; Escape closes it."""
    bar = find(window, lambda a: a.getRoleName() == "menu bar")
    check(bar, "no menu bar")
    if not bar:
        return
    menus = [bar.getChildAtIndex(i) for i in range(bar.childCount)]
    check(menus, "the menu bar holds no menus")
    for menu in menus:
        check(menu.name.strip(), "a menu of the menu bar without a name")
        do_action(menu, "showMenu")
        items = wait_for(lambda: menu_items(menu), timeout=5)
        check(items and all(name.strip() for role, name in items if role != "separator"),
              "the menu %r reads no items, or an item without a name: %r" % (menu.name, items))
        type_keys("Escape")
        wait_for(lambda: False, timeout=0.3)


def menu_items(menu):
    """The open menu's entries as (role, name); None while it is closed."""
    popup = menu.getChildAtIndex(0) if menu.childCount else None
    if popup is None or not popup.getState().contains(pyatspi.STATE_SHOWING):
        return None
    entries = [popup.getChildAtIndex(i) for i in range(popup.childCount)]
    return [(e.getRoleName(), e.name) for e in entries if e is not None] or None


def spoke_the_page(program):
    return any(entry.get("op") == "Speak" and any(SENTENCE in arg for arg in entry.get("args", []))
               for entry in program.speech())


def main(binary):
    page = write_page()
    program = Program(binary, "netzleser", args=[page])
    try:
        window = program.window(PAGE_TITLE) or program.window("Browser mit Sprachausgabe")
        check(window, "no netzleser window on the AT-SPI bus")
        if not window:
            return
        check_controls_named(window)

        # Qt names an editable combo box by its text on Linux; its line carries the name.
        address = find_named(window, "text", "Adresse")
        check(address, "no address line named \"Adresse\"")
        if address:
            shown = wait_for(lambda: (lambda t: t if t and "igel.html" in t else None)(
                text_of(address)), timeout=20)
            check(shown, "the address line reads %r, not the page's file" % text_of(address))

        speak_all = find_named(window, "push button", "Sprich alles")
        check(speak_all, "no button \"Sprich alles\"")
        if speak_all:
            wait_for(lambda: window.name == PAGE_TITLE, timeout=30)
            do_action(speak_all, "Press")
            check(wait_for(lambda: spoke_the_page(program), timeout=20),
                  "\"Sprich alles\" through AT-SPI did not speak %r: %r"
                  % (SENTENCE, program.speech()[-5:]))
        check_menus(window)
    finally:
        program.stop()
        shutil.rmtree(os.path.dirname(page), ignore_errors=True)
        finish()  # also after an early return on a failed expectation


if __name__ == "__main__":
    main(sys.argv[1])
