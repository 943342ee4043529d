"""Brenvol's page in headless Chromium, for the page's tests, its benchmark and README's picture:
a folder served on 127.0.0.1, and Chromium driven by Selenium through ChromeDriver, as Debian
ships them. Run with Debian's /usr/bin/python3, which sees Debian's Selenium."""
import functools
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class _Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """`folder` served from a thread on a free port of 127.0.0.1; shutdown() stops it."""
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(_Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def chromium(language="it-IT"):
    """Headless Chromium with `language` first, 600 x 500 CSS pixels at one device pixel each,
    and none of the background traffic that a closed network refuses."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-sync",
                 "--disable-component-update", "--window-size=600,500",
                 "--force-device-scale-factor=1", "--lang=" + language):
        options.add_argument(flag)
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
