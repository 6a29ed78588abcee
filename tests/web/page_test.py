#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The web page in headless Chromium: what a user of the page sees and does.

CTest runs each class on its own with GAIN_SITE (build-web/site) and GAIN_DESIGN (the design
tables' geometry, written by write_page) set.
"""

import io
import json
import os
import re
import shutil
import tempfile
import unittest
from pathlib import Path

from PIL import Image, ImageChops
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

import browser

SITE = Path(os.environ.get("GAIN_SITE", browser.ROOT / "build-web" / "site"))
DESIGN = json.loads(
    Path(os.environ.get("GAIN_DESIGN", browser.ROOT / "build-web" / "design.json")).read_text()
)
# The fields the calculation reads, by their design names.
INPUTS = list(DESIGN["gainFields"].values())
CASES = browser.ROOT / "tests" / "data" / "gain_cases.tsv"
REFERENCES = Path(__file__).resolve().parent
ACTUAL = Path(os.environ.get("GAIN_ACTUAL", "."))

# Counts the tones and the policy violations, installed before the page's own script runs.
WATCH = """
window.beeps = 0;
window.violations = [];
const start = OscillatorNode.prototype.start;
OscillatorNode.prototype.start = function (...args) { window.beeps += 1; return start.apply(this, args); };
document.addEventListener("securitypolicyviolation", (e) => window.violations.push(e.violatedDirective));
"""

FORM1_TAB_CYCLE = ["Text1(0)", "Text2(0)", "Command1", "Command2", "Command3", "Text6(1)",
                   "Text5(1)", "Text10(2)", "Text9(3)", "Text8(3)", "Text8(0)"]
def read_cases():
    """Each case as {column: cell}: "what", one column for each input, and "shown"."""
    rows = [line.split("\t") for line in CASES.read_text(encoding="utf-8").splitlines()
            if line and not line.startswith("#")]
    header, *cases = rows
    assert {"what", "shown"} | DESIGN["gainFields"].keys() == set(header), header
    return [dict(zip(header, case, strict=True)) for case in cases]


class PageTest(unittest.TestCase):
    """One browser and one server for the class; a fresh page for every test."""

    language = "en-US"
    size = browser.DESKTOP
    root = SITE  # the folder served

    @classmethod
    def setUpClass(cls):
        cls.site = browser.Site(cls.root)
        cls.browser = browser.Browser(cls.language, cls.size, before_page=WATCH)
        cls.driver = cls.browser.driver

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.site.stop()

    def setUp(self):
        self.driver.get(self.site.url)
        self.wait_for(lambda: self.js("return document.readyState") == "complete")

    def tearDown(self):
        self.assertEqual(self.browser.console_errors(), [], "the console shows errors")
        self.assertEqual(self.js("return window.violations"), [], "the page broke its policy")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait_for(self, condition, what="condition", timeout=10):
        WebDriverWait(self.driver, timeout).until(lambda _: condition(), what)

    def control(self, name, window="Form1"):
        scope = f"#{window}" if window == "Form1" else f"#{window} > .client"
        return self.driver.find_element(By.CSS_SELECTOR, f'{scope} > [data-control="{name}"]')

    def box(self, element):
        """Where the element is drawn, transforms included (WebDriver's rect leaves them out)."""
        return self.js("const r = arguments[0].getBoundingClientRect();"
                       "return {x: r.x, y: r.y, width: r.width, height: r.height};", element)

    def focused(self):
        return self.js("const a = document.activeElement;"
                       "return [a.closest('.window')?.id, a.dataset.control];")

    def open_dialogs(self, name):
        return self.driver.find_elements(By.CSS_SELECTOR, f"#screen > dialog#{name}")

    def press(self, name, window="Form1"):
        self.control(name, window).click()

    def calculate(self):
        """Presses Расчет and returns the result text once the press has been answered."""
        self.js("arguments[0].value = 'unchanged'", self.control("Text8(0)"))
        beeps = self.js("return window.beeps")
        self.press("Command1")
        self.wait_for(lambda: self.control("Text8(0)").get_property("value") != "unchanged"
                      or self.js("return window.beeps") > beeps, "an answer to Расчет")
        return self.control("Text8(0)").get_property("value")


class RussianPage(PageTest):
    language = "ru"

    def test_defaults_show_the_gain_with_a_comma(self):
        self.assertEqual(self.control("Text8(0)").get_property("value"), "0")
        self.assertEqual(self.calculate(), "53,1")
        self.wait_for(lambda: self.js("return document.getElementById('announcement')"
                                      ".textContent") == "Коэфициент усиления: 53,1",
                      "the result announced")

    def test_the_page_speaks_russian_and_names_every_field(self):
        self.assertEqual(self.js("return document.documentElement.lang"), "ru")
        self.assertEqual(self.control("Text10(2)").get_attribute("aria-label"),
                         "Рабочая частота, кГц")
        self.assertEqual(self.control("Text6(1)").get_attribute("aria-label"),
                         "Конденсатор С2, пФ")
        unlabelled = self.js("return [...document.querySelectorAll('input, textarea')]"
                             ".filter((f) => !f.getAttribute('aria-label')).length")
        self.assertEqual(unlabelled, 0)


    # Every caption of Form1 as the user reads it, written out here rather than taken from the
    # tables, so that a changed letter fails even where the glyphs look alike (С and C).
    CAPTIONS = {
        "Label1(11)": "Вводим реальные параметры установленных элементов",
        "Label1(0)": "Рабочая частота", "Label1(1)": "кГц",
        "Label1(2)": "Резистор R6", "Label1(3)": "Ом",
        "Label1(6)": "Резистор R5", "Label1(9)": "кОм",
        "Label1(4)": "Резистор R9", "Label1(10)": "кОм",
        "Label1(5)": "Конденсатор С2", "Label1(12)": "пФ",
        "Label1(7)": "Конденсатор С5", "Label1(15)": "нФ",
        "Label1(8)": "Конденсатор С7", "Label1(13)": "пФ",
        "Label1(14)": "Коэфициент усиления",
        "Command1": "Расчет", "Command2": "О программе", "Command3": "Автор",
    }

    def test_every_caption_as_designed(self):
        for name, caption in self.CAPTIONS.items():
            with self.subTest(control=name):
                self.assertEqual(self.control(name).text, caption)


class EnglishPage(PageTest):

    def test_defaults_show_the_gain_with_a_full_stop(self):
        self.assertEqual(self.calculate(), "53.1")

    def test_shared_calculation_cases(self):
        for case in read_cases():
            shown = case["shown"]
            with self.subTest(case["what"]):
                for input_name, field in DESIGN["gainFields"].items():
                    self.js("arguments[0].value = arguments[1]", self.control(field),
                            case[input_name])
                beeps = self.js("return window.beeps")
                result = self.calculate()
                if shown == "fails":
                    self.assertEqual(result, "unchanged", "a failure changed the result")
                    self.assertEqual(self.js("return window.beeps"), beeps + 1, "no beep")
                else:
                    self.assertEqual(result, shown)
                    self.assertEqual(self.js("return window.beeps"), beeps, "a beep on success")

    def test_typed_text_is_what_is_read(self):
        field = self.control("Text10(2)")
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys("2E1")  # typed over the selection: 20 kHz
        self.assertEqual(self.calculate(), "55.1")

    def test_title_keeps_its_spaces(self):
        self.assertEqual(self.driver.title.replace("\u00a0", " "),
                         " Gain for Veltrana     by_Varel_minto    v.2.0")


# Makes the first calculation module trap in every function once window.breakCalculation is
# set, as a module whose memory something has corrupted would; the modules made after it work.
BREAKABLE_CALCULATION = """
window.breakCalculation = false;
window.calculationModules = 0;
const Breakable = (made) => {
  if (++window.calculationModules > 1) return made;
  const exports = {};
  for (const [name, value] of Object.entries(made.instance.exports)) {
    exports[name] = typeof value !== "function" ? value : (...args) => {
      if (window.breakCalculation) throw new WebAssembly.RuntimeError("memory access out of bounds");
      return value(...args);
    };
  }
  return {module: made.module, instance: {exports}};
};
for (const name of ["instantiate", "instantiateStreaming"]) {
  const original = WebAssembly[name];
  WebAssembly[name] = (...args) => original(...args).then(Breakable);
}
"""


class HostileInput(PageTest):
    """Whatever reaches the fields, or goes wrong in the calculation, one press fails and the
    next one works."""

    language = "ru"
    HUGE = 20_000_000

    def restore_defaults(self):
        self.js("for (const f of document.querySelectorAll('#Form1 input')) f.value = f.defaultValue")

    def test_a_paste_is_cut_to_what_a_field_holds(self):
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.site.url.rstrip("/"),
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.press("Command2")
        # One character too many first: a field that takes millions would take the browser
        # minutes to lay them out before the test could say so.
        for length in (32768, self.HUGE):
            self.driver.execute_async_script(
                "navigator.clipboard.writeText('7'.repeat(arguments[0])).then(arguments[1])",
                length)
            for window, name in (("Form1", "Text10(2)"), ("frmAbout", "Text1")):
                field = self.control(name, window)
                field.send_keys(Keys.CONTROL, "a")
                field.send_keys(Keys.CONTROL, "v")
                self.assertEqual(field.get_property("value"), "7" * 32767,
                                 f"{length} characters pasted into {window} {name}")

    def test_a_text_longer_than_a_field_fails_and_the_next_press_works(self):
        # One more than a field takes, in blanks, and each would read as its reference value:
        # only the length fails it. The frequency also gets millions of digits (blanks would
        # take the browser minutes to lay out).
        rows = [("Text10(2)", self.HUGE, "7")] + [(name, 32768, " ") for name in INPUTS]
        for name, length, fill in rows:
            with self.subTest(field=name, length=length):
                self.js("const f = arguments[0]; f.value = f.value.padStart(arguments[1], "
                        "arguments[2])", self.control(name), length, fill)
                beeps = self.js("return window.beeps")
                self.assertEqual(self.calculate(), "unchanged")
                self.assertEqual(self.js("return window.beeps"), beeps + 1, "no beep")
                self.restore_defaults()
                self.assertEqual(self.calculate(), "53,1")

    def test_every_field_full_to_its_limit_is_calculated(self):
        # Blanks are ignored: the reference values among blanks are still the reference values.
        for name in INPUTS:
            self.js("const f = arguments[0]; f.value = f.value.padStart(arguments[1], ' ')",
                    self.control(name), 32767)
        self.assertEqual(self.calculate(), "53,1")

    def test_a_trap_in_the_calculation_fails_and_the_next_press_works(self):
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": BREAKABLE_CALCULATION})
        self.addCleanup(self.driver.execute_cdp_cmd, "Page.removeScriptToEvaluateOnNewDocument",
                        script)
        self.setUp()
        self.assertEqual(self.calculate(), "53,1")
        self.js("window.breakCalculation = true")
        beeps = self.js("return window.beeps")
        self.assertEqual(self.calculate(), "unchanged")
        self.assertEqual(self.js("return window.beeps"), beeps + 1, "no beep")
        for _ in range(2):
            self.assertEqual(self.calculate(), "53,1")
        self.assertEqual(self.js("return window.calculationModules"), 2)


class Keyboard(PageTest):

    def tab(self, shift=False):
        keys = (Keys.SHIFT, Keys.TAB) if shift else (Keys.TAB,)
        self.driver.switch_to.active_element.send_keys(*keys)
        return self.focused()

    def test_form1_tab_cycle(self):
        self.assertEqual(self.focused(), ["Form1", "Text1(0)"], "first focus")
        seen = [self.tab()[1] for _ in FORM1_TAB_CYCLE]
        self.assertEqual(seen, FORM1_TAB_CYCLE[1:] + FORM1_TAB_CYCLE[:1])
        self.assertEqual(self.tab(shift=True), ["Form1", "Text8(0)"])

    def test_info_window_tab_cycles(self):
        # The pictures take the focus in their designed places, between text and button.
        for button, window, cycle in (("Command2", "frmAbout", ["Text1", "Picture1"]),
                                      ("Command3", "frmAbout1", ["OLE1", "Text1"])):
            with self.subTest(window):
                self.press(button)
                self.assertEqual(self.focused(), [window, "cmdOK"])
                self.assertEqual([self.tab()[1] for _ in range(3)], cycle + ["cmdOK"])
                self.assertEqual(self.tab(shift=True), [window, cycle[-1]])

    def test_pictures_tell_what_they_show_and_show_the_focus(self):
        self.press("Command2")
        picture = self.control("Picture1", "frmAbout")
        self.assertEqual(picture.get_attribute("role"), "img")
        self.assertEqual(picture.get_attribute("aria-label"), "Схема входного каскада")
        self.assertIn("С2 4700 пФ", picture.get_attribute("aria-description"))
        self.tab()
        self.assertEqual(self.tab(), ["frmAbout", "Picture1"])
        self.assertNotEqual(self.js("return getComputedStyle(arguments[0]).outlineStyle",
                                    picture), "none")

    def test_enter_in_a_field_presses_nothing(self):
        self.control("Text10(2)").send_keys(Keys.ENTER)
        self.assertEqual(self.control("Text8(0)").get_property("value"), "0")
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, "dialog"), [])


class InfoWindows(PageTest):

    def test_one_instance_each_rebuilt_on_every_open(self):
        self.press("Command2")
        self.press("Command2")
        self.assertEqual(len(self.open_dialogs("frmAbout")), 1)
        text = self.control("Text1", "frmAbout")
        designed = text.get_property("value")
        self.assertTrue(designed.startswith("Программа для ТЕОРЕТИЧЕСКОГО расчета"), designed)
        self.assertEqual(designed.count("\n"), 5)
        text.send_keys(Keys.CONTROL, "a")
        text.send_keys("стёрто")
        self.press("cmdOK", "frmAbout")
        self.assertEqual(self.open_dialogs("frmAbout"), [])
        self.press("Command2")
        self.assertEqual(self.control("Text1", "frmAbout").get_property("value"), designed)

    def test_every_way_of_closing(self):
        ways = {
            "Enter": lambda w: self.driver.switch_to.active_element.send_keys(Keys.ENTER),
            "Escape": lambda w: self.driver.switch_to.active_element.send_keys(Keys.ESCAPE),
            "Escape in the text": lambda w: self.control("Text1", w).send_keys(Keys.ESCAPE),
            "cmdOK": lambda w: self.press("cmdOK", w),
            "close box": lambda w: self.driver.find_element(
                By.CSS_SELECTOR, f"#{w} .close-box").click(),
        }
        for button, window in (("Command2", "frmAbout"), ("Command3", "frmAbout1")):
            for way, close in ways.items():
                with self.subTest(window=window, way=way):
                    self.press(button)
                    self.assertEqual(len(self.open_dialogs(window)), 1)
                    close(window)
                    self.assertEqual(self.open_dialogs(window), [])

    def test_both_open_and_form1_still_computes(self):
        self.press("Command2")
        self.press("Command3")
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, "dialog[open]")), 2)
        self.assertEqual(self.calculate(), "53.1")

    def test_title_bar_drags_the_window(self):
        self.press("Command3")
        dialog = self.open_dialogs("frmAbout1")[0]
        before = self.box(dialog)
        title = dialog.find_element(By.CSS_SELECTOR, ".title")
        ActionChains(self.driver).drag_and_drop_by_offset(title, -100, 50).perform()
        after = self.box(dialog)
        self.assertEqual((after["x"] - before["x"], after["y"] - before["y"]), (-100, 50))


class Geometry(PageTest):
    """Every control where its twips put it: a pixel is 15 twips, rounded as the desktop does."""

    def expected(self, name, box):
        left, top, width, height = (round(v / 15) for v in box)
        if name.startswith("Line"):
            width, height = width + 1, height + 1  # a line covers both its ends
        return [left, top, width, height]

    def check_window(self, window, origin):
        for name, box in DESIGN[window]["controls"].items():
            with self.subTest(window=window, control=name):
                r = self.box(self.control(name, window))
                self.assertEqual([round(r["x"] - origin[0]), round(r["y"] - origin[1]),
                                  round(r["width"]), round(r["height"])],
                                 self.expected(name, box))

    def test_form1(self):
        r = self.box(self.driver.find_element(By.ID, "Form1"))
        self.assertEqual([r["width"], r["height"]], self.expected("", DESIGN["Form1"]["client"])[2:])
        self.check_window("Form1", (r["x"], r["y"]))

    def test_info_windows_at_their_design_positions(self):
        for button, window in (("Command2", "frmAbout"), ("Command3", "frmAbout1")):
            self.press(button)
            client = self.box(self.driver.find_element(By.CSS_SELECTOR, f"#{window} > .client"))
            self.assertEqual([round(client[k]) for k in ("x", "y", "width", "height")],
                             self.expected("", DESIGN[window]["client"]))
            self.check_window(window, (client["x"], client["y"]))


class PhoneGeometry(PageTest):
    """On a screen narrower than a window, the window shrinks whole and stays on the screen."""

    size = browser.PHONE

    def test_windows_scale_down_and_fit(self):
        width = browser.PHONE[0]
        form1 = self.box(self.driver.find_element(By.ID, "Form1"))
        self.assertEqual((form1["x"], round(form1["width"])), (0, width))
        for button, window in (("Command2", "frmAbout"), ("Command3", "frmAbout1")):
            with self.subTest(window):
                self.press(button)
                dialog = self.open_dialogs(window)[0]
                box = self.box(dialog)
                self.assertGreaterEqual(box["x"], 0)
                self.assertLessEqual(box["x"] + box["width"], width + 0.5)
                scale = box["width"] / dialog.get_property("offsetWidth")
                self.assertLess(scale, 1)
                button_width = round(DESIGN[window]["controls"]["cmdOK"][2] / 15)
                self.assertAlmostEqual(self.box(self.control("cmdOK", window))["width"],
                                       button_width * scale, delta=0.5)


def compare_with_reference(test, name, png):
    """Pixel for pixel; on a difference the actual picture and the difference are written."""
    actual = Image.open(io.BytesIO(png)).convert("RGB")
    reference_path = REFERENCES / f"{name}.png"
    if os.environ.get("GAIN_UPDATE_REFERENCES"):
        actual.save(reference_path, optimize=True)
        return
    reference = Image.open(reference_path).convert("RGB")
    if reference.size == actual.size:
        difference = ImageChops.difference(reference, actual)
        if difference.getbbox() is None:
            return
    else:
        difference = actual
    ACTUAL.mkdir(parents=True, exist_ok=True)
    actual.save(ACTUAL / f"{name}-actual.png")
    difference.save(ACTUAL / f"{name}-difference.png")
    test.fail(f"{name} differs from {reference_path}: see {ACTUAL / (name + '-actual.png')} "
              f"and {name}-difference.png")


def settle(test):
    """No caret or focus ring in the picture, both of which depend on timing; fonts and
    pictures loaded."""
    test.js("document.activeElement?.blur()")
    test.js("return document.fonts.ready")
    test.wait_for(lambda: test.js(
        "return [...document.images].every((i) => i.complete && i.naturalWidth > 0)"),
        "the pictures")


class DesktopPictures(PageTest):
    """The page as a user sees it, against references a person has looked at."""

    def test_all_three_windows(self):
        self.press("Command2")
        self.press("Command3")
        settle(self)
        compare_with_reference(self, "page-desktop", self.driver.get_screenshot_as_png())


class PhonePictures(PageTest):
    size = browser.PHONE

    def test_form1_and_frmAbout(self):
        settle(self)
        compare_with_reference(self, "page-phone", self.driver.get_screenshot_as_png())
        self.press("Command2")
        settle(self)
        compare_with_reference(self, "page-phone-about", self.driver.get_screenshot_as_png())


class Offline(PageTest):

    def test_second_visit_without_the_network(self):
        self.wait_for(lambda: self.js("return navigator.serviceWorker.controller !== null"),
                      "the service worker in control", timeout=20)
        self.site.stop()
        self.driver.refresh()
        self.wait_for(lambda: self.js("return document.readyState") == "complete")
        self.assertEqual(self.calculate(), "53.1")
        self.press("Command2")
        self.wait_for(lambda: self.js("return document.querySelector('#frmAbout [data-control=Picture1] img')"
                                      ".naturalWidth") == 486, "the diagram from the cache")


class NewRelease(PageTest):
    """A visit after a new release is put up replaces the cached copy of the old one."""

    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.served = Path(cls.scratch.name) / "site"
        shutil.copytree(SITE, cls.served)
        cls.root = cls.served
        super().setUpClass()

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        cls.scratch.cleanup()

    def caches(self):
        return self.driver.execute_async_script("caches.keys().then(arguments[0])")

    def cached_text(self, file):
        return self.driver.execute_async_script(
            "caches.match(arguments[0]).then((r) => r ? r.text() : null).then(arguments[1])",
            file)

    def test_next_visit_takes_the_new_release(self):
        self.wait_for(lambda: self.js("return navigator.serviceWorker.controller !== null"),
                      "the service worker in control", timeout=20)
        old = self.caches()
        self.assertEqual(len(old), 1)
        worker = self.served / "sw.js"
        worker.write_text(worker.read_text().replace(old[0], "gain-next-release"))
        with open(self.served / "page.css", "a", encoding="utf-8") as style:
            style.write("/* next release */\n")

        self.driver.refresh()
        self.wait_for(lambda: self.caches() == ["gain-next-release"], "the new cache alone",
                      timeout=20)
        self.assertTrue(self.cached_text("page.css").endswith("/* next release */\n"))


class OwnFilesOnly(PageTest):

    def test_no_request_to_another_host(self):
        self.press("Command2")
        self.press("Command3")
        self.js("return document.fonts.ready")
        urls = self.js("return performance.getEntries().map((e) => e.name)"
                       ".filter((n) => n.includes('://'))")
        self.assertTrue(urls)
        self.assertEqual([u for u in urls if not u.startswith(self.site.url)], [])

    def test_no_inline_script_or_style(self):
        page = (SITE / "index.html").read_text(encoding="utf-8")
        self.assertEqual(re.findall(r"<script(?![^>]*\bsrc=)[^>]*>", page), [])
        self.assertEqual(re.findall(r"<script[^>]*>[^<]+</script>", page), [])
        self.assertEqual(re.findall(r"\son[a-z]+=|\sstyle=|<style", page), [])
        policy = self.js("return document.querySelector("
                         "'meta[http-equiv=\"Content-Security-Policy\"]').content")
        self.assertIn("script-src 'self' 'wasm-unsafe-eval';", policy)
        self.assertIn("default-src 'none'", policy)
        # The policy is in force: an inline script is refused.
        self.js("const s = document.createElement('script'); s.textContent = 'window.ran = 1';"
                "document.body.append(s);")
        self.assertIsNone(self.js("return window.ran"))
        self.js("window.violations = []")
        self.driver.get_log("browser")  # the refusal is reported as an error, as it should be


if __name__ == "__main__":
    unittest.main()
