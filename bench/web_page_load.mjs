// node bench/web_page_load.mjs SUPPORT DIR RUNS: the page's loading in headless Chromium, served
// gzipped from 127.0.0.1 with the browser's cache and the service worker out of the way, through
// the page's test support in SUPPORT (browsers.mjs, page_server.mjs, with puppeteer-core):
//   - the first paint of DIR/index.html (the page) against DIR/static.html (the same layout with
//     no script), RUNS interleaved loads each;
//   - on a slow phone, 400 kbit/s each way with 400 ms round trips and the processor 4 times
//     slower: the page's first paint, and the moment it is ready, when what was typed goes through
//     the rule (before, from the first paint on, keys wait), RUNS loads.
// Prints the medians.
import { pathToFileURL } from 'node:url';

const [support, folder, runs] = [process.argv[2], process.argv[3], Number(process.argv[4])];
const { engines } = await import(pathToFileURL(`${support}/browsers.mjs`));
const { serve } = await import(pathToFileURL(`${support}/page_server.mjs`));

const browser = await engines.chromium('it-IT');
const server = await serve(folder);
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Loads `page` in a fresh tab, under `conditions` if any: its first contentful paint and, under
// conditions, the moment its window is ready, in ms from the navigation's start.
async function load(page, conditions) {
    const tab = await browser.tab();
    try {
        await tab.cdp.send('Network.enable');
        await tab.cdp.send('Network.setCacheDisabled', { cacheDisabled: true });
        await tab.cdp.send('Network.setBypassServiceWorker', { bypass: true });
        if (conditions) {
            await tab.cdp.send('Network.emulateNetworkConditions', conditions.network);
            await tab.cdp.send('Emulation.setCPUThrottlingRate', { rate: conditions.cpu });
        }
        await tab.page.evaluateOnNewDocument(() => addEventListener('DOMContentLoaded', () => {
            const window_ = document.querySelector('.window');
            const seen = () => window_.classList.contains('loading') || (self.readyAt ??= performance.now());
            new MutationObserver(seen).observe(window_, { attributes: true });
            seen();
        }));
        await tab.goto(server.url + page);
        return await tab.waitFor((ready) => new Promise((resolve) => {
            new PerformanceObserver((list) => {
                const paint = list.getEntriesByName('first-contentful-paint')[0];
                if (paint) resolve((self.readyAt || !ready) && [paint.startTime, self.readyAt]);
            }).observe({ type: 'paint', buffered: true });
        }), Boolean(conditions));
    } finally {
        await tab.close();
    }
}

const slowPhone = {
    network: { offline: false, latency: 400, downloadThroughput: 400000 / 8, uploadThroughput: 400000 / 8 },
    cpu: 4,
};
const paints = { page: [], static: [] }, slow = { paint: [], ready: [] };
try {
    for (let run = 0; run <= runs; ++run) {  // the first round warms the server and the browser
        const [page] = await load('index.html');
        const [still] = await load('static.html');
        const [paint, ready] = await load('index.html', slowPhone);
        if (run === 0) continue;
        paints.page.push(page);
        paints.static.push(still);
        slow.paint.push(paint);
        slow.ready.push(ready);
    }
} finally {
    await browser.close();
    await server.close();
}
const [page, still] = [median(paints.page), median(paints.static)];
console.log(`first paint, median of ${runs} interleaved loads each, headless Chromium, local server:`);
console.log(`  the page            ${page.toFixed(1).padStart(7)} ms`);
console.log(`  static, no script   ${still.toFixed(1).padStart(7)} ms`);
console.log(`  ratio               ${(page / still).toFixed(2).padStart(7)}   (budget 1.30)`);
console.log(`a slow phone (400 kbit/s, 400 ms round trips, processor 4x slower), median of ${runs}:`);
console.log(`  first paint, the boxes take keys   ${median(slow.paint).toFixed(0).padStart(6)} ms`);
console.log(`  ready, the keys through the rule   ${median(slow.ready).toFixed(0).padStart(6)} ms   (budget 2500)`);
