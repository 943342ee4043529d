// node tools/screenshot_web.mjs SUPPORT PNG: README.md's picture of the page, taken in headless
// Chromium in Italian after one calculation typed with the keyboard: the window, title bar
// included. SUPPORT is the page's test support in the build folder (browsers.mjs,
// page_server.mjs, with puppeteer-core), which serves the page's folder.
import { writeFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

const [support, png] = process.argv.slice(2);
const { engines } = await import(pathToFileURL(`${support}/browsers.mjs`));
const { serve } = await import(pathToFileURL(`${support}/page_server.mjs`));
const [browser, server] = [await engines.chromium('it-IT'), await serve(`${support}/../../../web`)];
try {
    const tab = await browser.tab();
    await tab.goto(server.url);
    await tab.waitFor(() => !document.querySelector('.window').classList.contains('loading'));
    await tab.keys('100', 'Tab', '700', 'Enter');
    writeFileSync(png, await tab.shot('.window'));
} finally {
    await browser.close();
    await server.close();
}
