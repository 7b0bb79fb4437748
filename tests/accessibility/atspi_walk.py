"""What a screen reader does, for the accessibility walks: start a program of the suite with
its transcript, find its window on the AT-SPI bus, read, act and type.

Runs inside tests/with-services --x11 --atspi, with Debian's /usr/bin/python3 and pyatspi."""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

FAILURES = []
ANNOUNCED = []  # (event type, source name, text) of every event heard since listen()


def check(condition, what):
    """Records a failed expectation and goes on, so one run shows every fault."""
    if not condition:
        FAILURES.append(what)
        print("FAILED: " + what, file=sys.stderr)
    return condition


def finish():
    if FAILURES:
        print("%d expectation(s) failed" % len(FAILURES), file=sys.stderr)
        sys.exit(1)
    print("all expectations met")


def _heard(event):
    try:
        source = event.source.name
    except Exception:  # the object is gone already
        source = None
    text = event.any_data if isinstance(event.any_data, str) else None
    ANNOUNCED.append((event.type, source, text))


def listen(*event_types):
    """Records what a screen reader is told from now on, e.g. "object:text-changed:insert"."""
    pyatspi.Registry.registerEventListener(_heard, *event_types)


def pump():
    """Lets the events that have arrived reach the listeners."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(probe, timeout=10.0, step=0.05):
    """probe() until it returns something true; None after the timeout."""
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = probe()
        except Exception:  # an object that went away while it was read
            value = None
        if value:
            return value
        if time.monotonic() > end:
            return None
        time.sleep(step)


class Program:
    """A program of the suite started as a user starts it, with its own transcript."""

    def __init__(self, binary, app_name, args=(), env_extra=None):
        self.scratch = tempfile.mkdtemp(prefix="atspi-walk.")
        self.transcript = os.path.join(self.scratch, "speech.jsonl")
        env = dict(os.environ, SPRACHAUSGABE_SPEECH_LOG=self.transcript,
                   SPRACHAUSGABE_AUDIO="null", HOME=self.scratch,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.update({k: v.replace("{scratch}", self.scratch) for k, v in (env_extra or {}).items()})
        env.pop("QT_QPA_PLATFORM", None)
        self.process = subprocess.Popen([binary, *args], env=env)
        self.icon_checked = False
        self.app = wait_for(lambda: self._find_app(app_name), timeout=20)
        if not self.app:
            self.stop()
            raise SystemExit("%s did not appear on the AT-SPI bus" % app_name)

    def _find_app(self, name):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name and app.get_process_id() == self.process.pid:
                return app
        return None

    def window(self, title):
        """The top-level window `title` (Qt gives a plain top-level widget the role "filler").
        The program's first window is also checked for its icon, as a task bar shows it."""
        found = wait_for(lambda: next((w for w in self.app if w is not None and w.name == title),
                                      None))
        if found and not self.icon_checked:
            self.icon_checked = True
            check(wait_for(lambda: has_icon(title), timeout=5),
                  "the window %r shows no icon in a task bar (_NET_WM_ICON)" % title)
        return found

    def speech(self):
        """The transcript without its times: what was said, in order."""
        if not os.path.exists(self.transcript):
            return []
        lines = []
        with open(self.transcript, encoding="utf-8") as log:
            for line in log:
                entry = json.loads(line)
                entry.pop("time", None)
                lines.append(entry)
        return lines

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.scratch, ignore_errors=True)


def walk(root):
    """Every object below root that shows on screen, depth first."""
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        for i in reversed(range(node.childCount)):
            child = node.getChildAtIndex(i)
            if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
                stack.append(child)


def find(root, predicate):
    for node in walk(root):
        if predicate(node):
            return node
    return None


def find_named(root, role, name):
    return find(root, lambda a: a.getRoleName() == role and a.name == name)


def text_of(acc):
    """What the object offers through the Text interface; None when it offers none."""
    try:
        text = acc.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def do_action(acc, name):
    """Runs the object's action `name` ("Press", "Toggle", ...) as a screen reader does."""
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == name.lower():
            action.doAction(i)
            return True
    check(False, "%s %r offers no action %s" % (acc.getRoleName(), acc.name, name))
    return False


def interactive(root):
    """The controls a user operates: every showing object that can take the focus."""
    return [a for a in walk(root) if a.getState().contains(pyatspi.STATE_FOCUSABLE)
            and a.getState().contains(pyatspi.STATE_ENABLED)]


def focused(root):
    return find(root, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))


def check_controls_named(window):
    """Each control has a role and a name a screen reader can say."""
    controls = interactive(window)
    check(controls, "no control of %r can take the focus" % window.name)
    for control in controls:
        check(control.getRoleName() not in ("unknown", "invalid", "filler"),
              "%r has no role" % control.name)
        check(control.name.strip(), "a %s without a name" % control.getRoleName())
    return controls


def check_tab_reaches(window, controls, label):
    """Tab from the focused control around: each control is met. Tab enters a group of radio
    buttons at its chosen one and the arrow keys move inside: the group counts as one."""
    def key(a):
        if a.getRoleName() == "radio button":
            return ("radio group", "group " + a.parent.name, 0, 0)
        ext = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (a.getRoleName(), a.name, ext.x, ext.y)
    wanted = {key(a) for a in controls}
    met = set()
    for _ in range(len(controls) + 2):
        now = wait_for(lambda: focused(window), timeout=3)
        if now is None:
            break
        met.add(key(now))
        type_keys("Tab")
        time.sleep(0.05)
    missing = sorted(n for (_, n, _, _) in wanted - met)
    check(not missing, "%s: Tab never reaches %s" % (label, missing))


def tab_to(window, predicate, tries=30):
    """Presses Tab until the focused control fulfils predicate; that control, or None."""
    for _ in range(tries):
        now = wait_for(lambda: focused(window), timeout=3)
        if now is not None and predicate(now):
            return now
        type_keys("Tab")
        time.sleep(0.05)
    return None


def has_icon(title):
    """Whether the X window `title` carries an icon for task bars and window lists."""
    wid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                         capture_output=True, text=True, timeout=20).stdout.split()
    return bool(wid) and "(CARDINAL)" in subprocess.run(
        ["xprop", "-id", wid[0], "_NET_WM_ICON"], capture_output=True, text=True,
        timeout=20).stdout


def focus_window(title):
    """Gives the X input focus to the window `title` (there is no window manager)."""
    wid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", title],
                         capture_output=True, text=True, timeout=20).stdout.split()
    check(wid, "no X window %r" % title)
    if wid:
        subprocess.run(["xdotool", "windowfocus", "--sync", wid[0]], timeout=20)


def type_keys(*keys):
    subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True, timeout=60)
