# SPDX-License-Identifier: MIT
"""Asks the program over AT-SPI, as a screen reader would, for every piece of text of every
field at every offset, and checks each answer comes back at once and makes sense; checks the
name the program gives itself, and that its window still matches its desktop entry.
Usage: atspi_text_test.py PROGRAM DESKTOP_ENTRY."""

import os
import re
import subprocess
import sys
import time

import session
from session import Failure, wait_until

BOUNDARIES = {
    "CHAR": 0, "WORD_START": 1, "WORD_END": 2, "SENTENCE_START": 3, "SENTENCE_END": 4,
    "LINE_START": 5, "LINE_END": 6,
}
# An answer takes milliseconds and a hung call never comes back: this bound tells them apart
# with room for a machine under load.
ANSWER_SECONDS = 5


def desktop_entry(path):
    entry = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            key, _, value = line.rstrip("\n").partition("=")
            entry.setdefault(key, value)
    return entry


def x_windows(env):
    """The top-level windows on the X display: their WM_CLASS and title, as bytes."""
    def prop(*args):
        return subprocess.run(["xprop"] + list(args), env=env, capture_output=True,
                              timeout=10).stdout
    listed = prop("-root", "_NET_CLIENT_LIST").decode()
    windows = []
    for window in re.findall(r"0x[0-9a-f]+", listed):
        wm_class = re.findall(rb'"([^"]*)"', prop("-id", window, "WM_CLASS"))
        title = prop("-id", window, "-notype", "_NET_WM_NAME")
        windows.append((wm_class, title))
    return windows


def timed(what, call, *args):
    start = time.monotonic()
    try:
        result = call(*args)
    except Exception as error:  # a D-Bus timeout or error: the program did not answer
        raise Failure("%s did not answer: %s" % (what, error))
    took = time.monotonic() - start
    if took > ANSWER_SECONDS:
        raise Failure("%s took %.2f s" % (what, took))
    return result


def check_field(pyatspi, field):
    name = field.name
    text = field.queryText()
    content = text.getText(0, -1)
    length = text.characterCount
    if len(content) != length:
        raise Failure("%s: %d characters counted, %d in its text" % (name, length, len(content)))

    # Runs of attributes cover the text, each offset inside the run reported for it.
    for offset in range(length):
        _, start, end = timed("%s: attribute run at %d" % (name, offset),
                              text.getAttributeRun, offset, False)
        if not start <= offset < end:
            raise Failure("%s: the attribute run at %d is (%d, %d)" % (name, offset, start, end))

    calls = {"at": text.getTextAtOffset, "before": text.getTextBeforeOffset,
             "after": text.getTextAfterOffset}
    for offset in range(-1, length + 2):
        for boundary_name, boundary in BOUNDARIES.items():
            pieces = {}
            for kind, call in calls.items():
                what = "%s: text %s offset %d by %s" % (name, kind, offset, boundary_name)
                piece, start, end = timed(what, call, offset, boundary)
                if not 0 <= start <= end <= length or piece != content[start:end]:
                    raise Failure("%s gave %r at (%d, %d) of %r" % (what, piece, start, end,
                                                                    content))
                pieces[kind] = (start, end)
            if not 0 <= offset < length:
                continue
            # Inside the text: the piece at the offset holds it, the one before ends where it
            # starts and the one after starts where it ends (or there is none).
            at, before, after = pieces["at"], pieces["before"], pieces["after"]
            if not (at[0] <= offset < at[1] and (before == (0, 0) or before[1] == at[0])
                    and (after == (length, length) or after[0] == at[1])):
                raise Failure("%s: around %d by %s: before %s, at %s, after %s"
                              % (name, offset, boundary_name, before, at, after))
    return length


def main():
    program, entry_path = sys.argv[1], sys.argv[2]
    try:
        import pyatspi
    except ImportError:
        print("SKIPPED: python3-pyatspi is not installed for %s" % sys.executable)
        sys.exit(session.SKIP)
    session.require("Xvfb", "openbox")
    entry = desktop_entry(entry_path)
    with session.Session(program, orca=False) as desktop:
        def find_app():
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.getRoleName() == "application" and app.name in (
                        entry["Name[ru]"], "veltrana-gain"):
                    return app
            return None
        app = wait_until("the program on the AT-SPI bus", find_app, 30)
        if app.name != entry["Name[ru]"] or app.description != entry["Comment[ru]"]:
            raise Failure("the program calls itself %r, %r; its desktop entry %r, %r"
                          % (app.name, app.description, entry["Name[ru]"], entry["Comment[ru]"]))

        # The desktop still finds the program's window by its entry, and the title is as
        # designed, byte for byte: the program's name for assistive tools changes neither.
        wm_class = entry.get("StartupWMClass") or os.path.basename(entry_path)[:-len(".desktop")]
        title = " Gain for Veltrana     by_Varel_minto    v.2.0".encode()
        windows = wait_until("the main window on the screen", lambda: x_windows(desktop.env), 15)
        if not any(wm_class.encode() in classes and named.endswith(b' = "' + title + b'"\n')
                   for classes, named in windows):
            raise Failure("no window of WM_CLASS %r titled %r among %r" % (wm_class, title,
                                                                         windows))

        # Both information windows open, so their multi-line fields are asked too.
        for caption in ("О программе", "Автор"):
            button = pyatspi.findDescendant(
                app, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == caption)
            button.queryAction().doAction(0)
        wait_until("the two information windows", lambda: app.childCount == 3, 15)

        fields = pyatspi.findAllDescendants(
            app, lambda o: o.getRole() == pyatspi.ROLE_TEXT)
        if len(fields) != 10:
            raise Failure("found %d text fields, not the 10 of the three windows: %s"
                          % (len(fields), [f.name for f in fields]))
        for field in fields:
            length = check_field(pyatspi, field)
            print("%s: %d offsets answered" % (field.name, length + 3))
    print("PASS")


if __name__ == "__main__":
    session.run(main)
