#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The rows of tests/data/behaviour.tsv, which the Linux and Windows suites run too, on the page.

Each row on a fresh page. The words of the table are explained at its top.
"""

import re
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser
from page_test import PageTest

TABLE = browser.ROOT / "tests" / "data" / "behaviour.tsv"
BUILD = "web"
WINDOWS = ("Form1", "frmAbout", "frmAbout1")
OPENED_BY = {"frmAbout": "Command2", "frmAbout1": "Command3"}
KEYS = {
    "Tab": (Keys.TAB,), "Shift+Tab": (Keys.SHIFT, Keys.TAB), "Enter": (Keys.ENTER,),
    "Ctrl+Enter": (Keys.CONTROL, Keys.ENTER), "Escape": (Keys.ESCAPE,), "Space": (Keys.SPACE,),
    "Left": (Keys.LEFT,), "Ctrl+A": (Keys.CONTROL, "a"), "Ctrl+Z": (Keys.CONTROL, "z"),
}
ESCAPES = {"n": "\n", "r": "\r", "t": "\t"}


def unescaped(text):
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), text)


def quoted(cell):
    """ "text" or "text"*N """
    match = re.fullmatch(r'"((?:[^"\\]|\\.)*)"(?:\*(\d+))?', cell)
    if match is None:
        raise ValueError(f"a text in quotes is wanted: {cell}")
    return unescaped(match.group(1)) * int(match.group(2) or 1)


def name(text, window):
    """(window, control) of "C" in the row's window or of "W.C"."""
    return tuple(text.split(".", 1)) if "." in text else (window, text)


def read_step(text, window):
    verb, _, rest = text.partition(" ")
    if verb in ("focus", "click"):
        return verb, name(rest, window)
    if verb in ("type", "paste"):
        return verb, quoted(rest)
    if verb == "key":
        if rest not in KEYS:
            raise ValueError(f"no such key: {rest}")
        return verb, rest
    if verb == "double-click":
        target, over = rest.split(" over ")
        return verb, (name(target, window), name(over, window))
    if verb == "close":
        return verb, rest
    raise ValueError(f"no such step: {text}")


def read_expectation(text, window):
    if text == "ended":
        return "ended", None
    left, _, right = text.partition("=")
    if left == "open":
        return "open", sorted(right.split())
    if left == "focus":
        return "focus", name(right, window)
    length = re.fullmatch(r"length\((.*)\)", left)
    if length:
        return "length", (name(length.group(1), window), int(right))
    return "text", (name(left, window), unescaped(right))


def read_rows():
    lines = [line for line in TABLE.read_text(encoding="utf-8").splitlines()
             if line and not line.startswith("#")]
    header, *rows = [line.split("\t") for line in lines]
    assert header == ["what", "window", "steps", "expect", "skip"], header
    for what, window, steps, expect, skip in rows:
        reasons = dict(part.split(": ", 1) for part in skip.split(" | ") if part)
        yield {"what": what, "window": window, "skip": reasons.get(BUILD),
               "steps": [read_step(step, window) for step in steps.split("; ")],
               "expect": [read_expectation(e, window) for e in expect.split("; ")]}


class Behaviour(PageTest):

    language = "en-US"

    def field(self, window_and_control):
        window, control = window_and_control
        return self.control(control, window)

    def active(self):
        return self.driver.switch_to.active_element

    def open_windows(self):
        return sorted(["Form1"] + [d.get_attribute("id") for d in self.driver.find_elements(
            By.CSS_SELECTOR, "#screen > dialog[open]")])

    def double_click(self, target, beneath):
        """Moves target's window so that it lies over beneath, then double-clicks it."""
        element = self.field(target)
        under = self.box(self.field(beneath))
        over = self.box(element)
        self.js("const d = arguments[0].closest('dialog');"
                "d.style.left = `${d.offsetLeft + arguments[1]}px`;"
                "d.style.top = `${d.offsetTop + arguments[2]}px`;", element,
                under["x"] + under["width"] / 2 - over["x"] - over["width"] / 2,
                under["y"] + under["height"] / 2 - over["y"] - over["height"] / 2)
        ActionChains(self.driver).double_click(element).perform()

    def run_step(self, verb, argument):
        if verb == "focus":
            self.js("const f = arguments[0]; f.focus();"
                    "if (f.type === 'text' || f.type === 'textarea')"
                    "  f.setSelectionRange(f.value.length, f.value.length);", self.field(argument))
        elif verb == "key":
            self.active().send_keys(*KEYS[argument])
        elif verb == "type":
            self.active().send_keys(argument)
        elif verb == "paste":
            self.driver.execute_async_script(
                "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", argument)
            self.active().send_keys(Keys.CONTROL, "v")
        elif verb == "click":
            self.field(argument).click()
        elif verb == "double-click":
            self.double_click(*argument)
        elif verb == "close":
            self.driver.find_element(By.CSS_SELECTOR, f"#{argument} .close-box").click()

    def check(self, kind, argument):
        if kind == "text":
            control, text = argument
            self.assertEqual(self.field(control).get_property("value"), text, control)
        elif kind == "length":
            control, length = argument
            self.assertEqual(self.js("return arguments[0].value.length", self.field(control)),
                             length, control)
        elif kind == "open":
            self.assertEqual(self.open_windows(), argument)
        elif kind == "focus":
            self.assertEqual(tuple(self.focused()), argument)
        else:
            self.fail(f"the page cannot tell {kind}")

    def test_every_row(self):
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.site.url.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        for row in read_rows():
            with self.subTest(row["what"]):
                if row["skip"]:
                    self.skipTest(row["skip"])
                self.setUp()
                if row["window"] != "Form1":
                    self.press(OPENED_BY[row["window"]])
                for verb, argument in row["steps"]:
                    self.run_step(verb, argument)
                for kind, argument in row["expect"]:
                    self.check(kind, argument)


if __name__ == "__main__":
    unittest.main()
