# SPDX-License-Identifier: MIT
"""What a blind user hears: drives the program with the keyboard under the real Orca and checks
what Orca said. Usage: orca_test.py PROGRAM (it starts its own private session bus)."""

import re
import sys

import session

# The main window's tab chain as designed, from R6 round to R6: each control by the name Orca
# gives it and, for the fields, the whole value it must speak.
FORM1_CHAIN = [
    ("Резистор R6, Ом", "1200"),
    ("Резистор R5, кОм", "100"),
    ("Расчет", None),
    ("О программе", None),
    ("Автор", None),
    ("Конденсатор С2, пФ", "4700"),
    ("Резистор R9, кОм", "100"),
    ("Рабочая частота, кГц", "10"),
    ("Конденсатор С5, нФ", "33"),
    ("Конденсатор С7, пФ", "22"),
    ("Коэфициент усиления", "0"),
]

# Word by word both ways from both ends of the text: the end is where Qt 6.4 hung.
WORD_KEYS = [("ctrl", "End"), ("ctrl", "Left"), ("ctrl", "Left"), ("ctrl", "Right"),
             ("ctrl", "Right"), ("ctrl", "Home")]


class Scenario:
    def __init__(self, desktop):
        self.desktop = desktop
        self.heard = []  # (what was done, what Orca said), printed at the end
        self.before = ""  # what the next step follows, for its failure message

    def step(self, what, keys, *patterns):
        """Presses keys, then waits until Orca has said something matching each pattern."""
        since = self.desktop.mark()
        for key in keys:
            if isinstance(key, tuple):
                self.desktop.press(*key)
            else:
                self.desktop.keys(key)
        for pattern in patterns:
            self.desktop.wait_for_speech(since, pattern, what + self.before)
        self.desktop.ensure_running(what + self.before)
        self.before = ""
        self.heard.append((what, self.desktop.spoken()[since:]))

    def tab_to(self, name, value=None):
        # The value comes whole, selected ("100 выделен.") or not ("1200.").
        patterns = [r"^%s\b" % re.escape(name)]
        if value is not None:
            patterns.append(r"^%s( выделен)?\.?$" % re.escape(value))
        self.step("Tab to %s" % name, ["Tab"], *patterns)

    def words(self, where):
        """Word navigation in the focused field; the next step shows the program answers."""
        for chord in WORD_KEYS:
            self.desktop.press(*chord)
        self.before = " (after Ctrl+Left and Ctrl+Right in %s: has the program hung?)" % where


def main():
    program = sys.argv[1]
    session.require("orca", "Xvfb", "openbox", "xdotool", "speech-dispatcher")
    with session.Session(program) as desktop:
        scenario = Scenario(desktop)
        for pattern, what in [(r"^ Gain for Veltrana     by_Varel_minto    v\.2\.0", "the title"),
                              (r"^Резистор R6, Ом\b", "the focus in R6"),
                              (r"^1200\.?$", "R6's whole value")]:
            desktop.wait_for_speech(0, pattern, what + " at start", 30)
        scenario.heard.append(("start", desktop.spoken()))

        # Every field with its whole value, and word navigation in each, round the designed
        # tab chain and back to R6.
        scenario.words(FORM1_CHAIN[0][0])
        for name, value in FORM1_CHAIN[1:] + FORM1_CHAIN[:1]:
            scenario.tab_to(name, value)
            if value is not None:
                scenario.words(name)

        # "Расчет" with the defaults; the focus stays on the button.
        for name, value in FORM1_CHAIN[1:3]:
            scenario.tab_to(name, value)
        scenario.step("Расчет with the defaults", ["space"], r"Коэфициент усиления 53,1")

        # A failed calculation, with the frequency field emptied.
        for name, value in FORM1_CHAIN[3:8]:
            scenario.tab_to(name, value)
        desktop.keys("BackSpace")  # Tab selected the whole value: this empties the field
        for name, _ in FORM1_CHAIN[8:] + FORM1_CHAIN[:3]:
            scenario.tab_to(name)
        scenario.step("Расчет with no frequency", ["space"], r"Расчет не выполнен")

        # "О программе": the button, the text, the diagram, and back.
        scenario.tab_to("О программе")
        scenario.step("О программе", ["space"], r"^Понял\b")
        scenario.tab_to("О программе")
        scenario.words("the text of О программе")
        scenario.step("Tab to the diagram", ["Tab"], r"Схема входного каскада",
                      r"Операционный усилитель U1A.*С2 4700 пФ")
        scenario.tab_to("Понял")
        scenario.step("Escape in О программе", ["Escape"], r"^О программе\b")

        # "Автор": the button, the portrait, the text, and back.
        scenario.tab_to("Автор")
        scenario.step("Автор", ["space"], r"^Знаю такого\)")
        since = desktop.mark()
        scenario.step("Tab to the portrait", ["Tab"], r"Портрет автора")
        desktop.wait_for_description(since, "Портрет автора", "Рисованный портрет автора",
                                     "the portrait's description")
        scenario.tab_to("Место учёбы автора")
        scenario.words("the text of Автор программы")
        scenario.step("Escape in Автор программы", ["Escape"], r"^Автор\b")

        for what, said in scenario.heard:
            print("%s:\n    %s" % (what, "\n    ".join(said)))
    print("PASS")


if __name__ == "__main__":
    session.run(main)
