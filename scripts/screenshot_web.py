#!/usr/bin/python3
"""screenshot_web.py WEB_DIR PNG: README.md's picture of the page, taken in headless Chromium in
Italian after one calculation typed with the keyboard: the window, title bar included."""
import sys

from headless_chromium import chromium, serve
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

server, driver = serve(sys.argv[1]), chromium()
try:
    driver.get("http://127.0.0.1:%d/" % server.server_port)
    WebDriverWait(driver, 10).until(
        lambda d: d.switch_to.active_element.get_attribute("id") == "Text1(0)")
    ActionChains(driver).send_keys("100", Keys.TAB, "700", Keys.ENTER).perform()
    driver.find_element("css selector", ".window").screenshot(sys.argv[2])
finally:
    driver.quit()
    server.shutdown()
