#!/usr/bin/python3
"""page_test.py WEB_DIR PICTURES: Brenvol's page in headless Chromium, served from WEB_DIR on
127.0.0.1 and driven by real key events: typing through the rule, Tab, Enter, Escape, the
warning, paste, a composition, "Exit", the separator by language, a reload once the server has
gone, and the pictures of the window and its warning against those in PICTURES."""
import base64
import io
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "..", "scripts"))
from headless_chromium import chromium, serve  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

WEB_DIR, PICTURES = sys.argv.pop(1), sys.argv.pop(1)
BOXES = ["Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)"]
# The number of pixels of `got` and `want` (data URLs) that differ by more than a trace.
DIFFERING = """const [got, want, done] = arguments;
const load = (src) => new Promise((r) => { const i = new Image(); i.onload = () => r(i); i.onerror = () => r(null); i.src = src; });
const pixels = (i) => { const c = new OffscreenCanvas(i.width, i.height).getContext('2d'); c.drawImage(i, 0, 0); return c.getImageData(0, 0, i.width, i.height).data; };
Promise.all([load(got), load(want)]).then(([a, b]) => {
    if (!b || a.width !== b.width || a.height !== b.height) return done(1 << 30);
    const [x, y] = [pixels(a), pixels(b)];
    let n = 0;
    for (let i = 0; i < x.length; i += 4) n += [0, 1, 2].some((c) => Math.abs(x[i + c] - y[i + c]) > 8);
    done(n);
});"""


class Page:
    """The page in a browser of its own, on a server of its own, in `language`."""

    def __init__(self, language):
        self.server, self.driver = serve(WEB_DIR), chromium(language)
        self.url = "http://127.0.0.1:%d/" % self.server.server_port

    def load(self):
        """Opens the page, ready once the first box has the focus; the beeps counted."""
        self.driver.get(self.url)
        WebDriverWait(self.driver, 10).until(lambda d: self.focused() == "Text1(0)")
        self.driver.execute_script("window.beeps = 0; Module.page.beep = () => window.beeps++")

    def keys(self, *keys, held=None):
        actions = ActionChains(self.driver)
        if held:
            actions.key_down(held)
        actions.send_keys(*keys)
        (actions.key_up(held) if held else actions).perform()

    def focused(self):
        return self.driver.switch_to.active_element.get_attribute("id")

    def state(self):
        """The five boxes' texts, the focused control and the beeps."""
        return self.driver.execute_script(
            "return arguments[0].map((n) => document.getElementById(n).value).join(' ') + "
            "' | ' + document.activeElement.id + ' | ' + window.beeps", BOXES)

    def close(self):
        self.driver.quit()
        self.server.shutdown()


class ItalianPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.page = Page("it-IT")
        cls.addClassCleanup(cls.page.close)

    def setUp(self):
        self.page.load()

    def test_types_through_the_rule_tabs_round_and_computes_with_enter(self):
        self.assertEqual([self.page.driver.find_element("id", box).accessible_name for box in BOXES],
                         ["Corrente di ricarica", "Capacit\u00e0 Pacco Batterie", "Ore", "Minuti",
                          "Secondi"])
        self.page.keys("9000", Keys.HOME, Keys.DELETE, "1", Keys.END, Keys.BACKSPACE)  # 100
        self.page.keys(Keys.TAB, "7.5a", Keys.ESCAPE, Keys.ENTER)
        self.assertEqual(self.page.state(), "100 7,5 0 6 18 | Text1(1) | 1")
        for shift, name in ((None, "Command1(0)"), (None, "Command1(1)"), (None, "Text1(0)"),
                            (Keys.SHIFT, "Command1(1)")):
            self.page.keys(Keys.TAB, held=shift)
            self.assertEqual(self.page.focused(), name)

    def test_warns_keeping_the_results_and_gives_the_focus_back(self):
        self.page.keys("100", Keys.TAB, "7,5", Keys.ENTER, Keys.BACKSPACE * 3, Keys.ENTER)
        self.assertEqual(self.page.driver.execute_script(
            "const m = document.getElementById('message'); return [m.open, m.role, m.innerText]"),
            [True, "alertdialog", "Attenzione\n\nControllare parametri inseriti\n\nOK"])
        self.page.keys(Keys.ENTER, "8")
        self.assertEqual(self.page.state(), "100 8 0 6 18 | Text1(1) | 0")

    def test_pastes_and_composes_through_the_rule(self):
        self.page.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "permissions": ["clipboardReadWrite"], "origin": self.page.url[:-1]})
        self.page.driver.execute_async_script(
            "navigator.clipboard.writeText('2.5x').then(arguments[0])")
        self.page.keys(Keys.INSERT, held=Keys.SHIFT)
        self.page.keys("v", held=Keys.CONTROL)  # Ctrl+V types its control code, refused
        self.page.driver.execute_cdp_cmd("Input.imeSetComposition", {
            "text": "5x", "selectionStart": 2, "selectionEnd": 2})
        self.page.driver.execute_cdp_cmd("Input.insertText", {"text": "5x"})
        self.assertEqual(self.page.state(), "2,55     | Text1(0) | 3")

    def test_exit_closes_the_window(self):
        self.page.keys(Keys.TAB * 3, Keys.ENTER)
        self.assertEqual(self.page.driver.execute_script(
            "return [document.querySelector('.window').hidden, "
            "document.querySelector('.closed').hidden]"), [True, False])

    def test_looks_as_its_pictures(self):
        self.page.keys("100", Keys.TAB, "700", Keys.ENTER, Keys.TAB)
        self.assertLooksAs(".window", "page")
        self.page.keys(Keys.TAB, held=Keys.SHIFT)
        self.page.keys(Keys.BACKSPACE * 3, Keys.ENTER)
        self.assertLooksAs("#message", "page_warning")

    def assertLooksAs(self, selector, name):
        """The element looks as PICTURES/name.png; name.new.png is left when it does not."""
        got = self.page.driver.find_element("css selector", selector).screenshot_as_base64
        path = os.path.join(PICTURES, name + ".png")
        with open(path, "rb") if os.path.exists(path) else io.BytesIO() as file:
            want = base64.b64encode(file.read()).decode()
        differing = self.page.driver.execute_async_script(
            DIFFERING, "data:image/png;base64," + got, "data:image/png;base64," + want)
        if differing > 6:
            with open(name + ".new.png", "wb") as file:
                file.write(base64.b64decode(got))
        self.assertLessEqual(differing, 6, "pixels differ; see %s.new.png" % name)


class EnglishPage(unittest.TestCase):
    def test_types_a_point_and_opens_again_once_the_server_has_gone(self):
        page = Page("en-US")
        self.addCleanup(page.close)
        page.load()
        self.assertEqual(page.driver.execute_cdp_cmd(
            "Page.getInstallabilityErrors", {})["installabilityErrors"], [])
        page.keys("1,5")
        self.assertEqual(page.state(), "1.5     | Text1(0) | 0")
        page.driver.set_window_size(200, 500)  # narrower than the window, which shrinks to fit
        self.assertTrue(page.driver.execute_script(
            "const w = document.querySelector('.window'); "
            "return w.style.zoom < 1 && w.getBoundingClientRect().right <= innerWidth"))
        page.driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        page.server.shutdown()
        page.server.server_close()
        page.load()
        page.keys("100", Keys.TAB, "7.5", Keys.ENTER)
        self.assertEqual(page.state(), "100 7.5 0 6 18 | Text1(1) | 0")


if __name__ == "__main__":
    unittest.main(verbosity=2)
