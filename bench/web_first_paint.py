#!/usr/bin/python3
"""web_first_paint.py DIR RUNS: in headless Chromium, the first paint of DIR/index.html (the page)
and of DIR/static.html (the same layout, no script), loaded interleaved RUNS times each from a
server on 127.0.0.1 with the browser's cache and the service worker out of the way. Prints the
medians and their ratio."""
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "scripts"))
from headless_chromium import chromium, serve  # noqa: E402

folder, runs = sys.argv[1], int(sys.argv[2])
server, driver = serve(folder), chromium()
driver.execute_cdp_cmd("Network.enable", {})
driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
base = "http://127.0.0.1:%d/" % server.server_port
paints = {"index.html": [], "static.html": []}
try:
    for run in range(runs + 1):
        for page, times in paints.items():
            driver.get("about:blank")
            driver.get(base + page)
            paint = driver.execute_async_script(
                "const done = arguments[0]; new PerformanceObserver((list) => "
                "done(list.getEntries()[0].startTime)).observe({type: 'paint', buffered: true});")
            if run > 0:  # the first round warms the server and the browser
                times.append(paint)
finally:
    driver.quit()
    server.shutdown()
page, static = statistics.median(paints["index.html"]), statistics.median(paints["static.html"])
print("first paint, median of %d interleaved loads each, headless Chromium, local server:" % runs)
print("  the page            %7.1f ms" % page)
print("  static, no script   %7.1f ms" % static)
print("  ratio               %7.2f   (budget 1.30)" % (page / static))
