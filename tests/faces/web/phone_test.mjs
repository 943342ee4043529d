// node phone_test.mjs WEB_DIR: the page on a phone, in Chromium's device emulation, a touch
// screen at 360 x 640 and 412 x 915 CSS pixels, upright and turned. The window fills the screen
// without scrolling; every control is a finger's size on its own; the audit of WCAG 2.2 AA
// passes; taps focus, type through the rule and press; the warning fits; turning the phone keeps
// the texts and the focus. Firefox's driver (WebDriver BiDi) gives no touch screen nor mobile
// viewport, so these run in Chromium alone.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { engines } from './browsers.mjs';
import { serve } from './page_server.mjs';

const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
let browser, server;
before(async () => [browser, server] = [await engines.chromium('it-IT'), await serve(process.argv[2])]);
after(async () => { await browser?.close(); await server?.close(); });

// How the window lies: whole on the screen with no sideways scrolling, scaled up within bounds;
// the smallest side of any control; the size the boxes' text is drawn at.
const layout = () => {
    const window_ = document.querySelector('.window'), zoom = Number(window_.style.zoom);
    const { right, bottom } = window_.getBoundingClientRect();
    const sides = [...document.querySelectorAll('.client input, .client button, .keys button, dialog[open] button')]
        .map((control) => control.getBoundingClientRect()).flatMap(({ width, height }) => [width, height]);
    return {
        fits: right <= innerWidth && bottom <= innerHeight && document.scrollingElement.scrollWidth <= innerWidth
            && zoom > 1.4 && zoom <= 3,
        smallest: Math.min(...sides),
        text: parseFloat(getComputedStyle(document.getElementById('Text1(0)')).fontSize) * zoom,
    };
};
const state = () => [...document.querySelectorAll('.client input')].map((box) => box.value).join(' ') +
    ` | ${document.activeElement.id}`;
const smallest = [];
after(() => console.log(`The smallest target drawn, in CSS pixels: ${smallest.join('; ')}`));

for (const [width, height, deviceScaleFactor] of [[360, 640, 2], [412, 915, 3]]) {
    for (const turned of [false, true]) {
        const name = `${width} x ${height}${turned ? ', turned' : ''}`;
        const screen = (turn) => ({ width: turn ? height : width, height: turn ? width : height,
            deviceScaleFactor, isMobile: true, hasTouch: true, isLandscape: turn });
        test(`on a phone at ${name}, the window fills the screen, a finger's size, and taps work`, async () => {
            const tab = await browser.tab();
            const tap = async (selector) => {
                const { x, y } = await tab.page.$eval(selector, (control) => {
                    const { left, top, width: w, height: h } = control.getBoundingClientRect();
                    return { x: left + w / 2, y: top + h / 2 };
                });
                await tab.page.touchscreen.tap(x, y);
            };
            const audit = () => tab.evaluate(() => axe.run({ exclude: ['#Frame1-caption'] },
                { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] })
                .then(({ violations }) => violations.map(({ id }) => id)));
            await tab.page.setViewport(screen(turned));
            await tab.goto(server.url);
            await tab.waitFor(() => !document.querySelector('.window').classList.contains('loading'));
            const shown = await tab.evaluate(layout);
            smallest.push(`${name}: ${shown.smallest.toFixed(1)}`);
            assert.ok(shown.fits && shown.smallest >= 24 && shown.text >= 16, JSON.stringify(shown));
            await tab.inject(axe);
            assert.deepEqual(await audit(), []);

            // A tap focuses a box; the phone's keyboard types into it through the rule, and the
            // page's own key types "-".
            await tap('#Text1\\(0\\)');
            await tab.cdp.send('Input.insertText', { text: '1a00' });
            await tap('#Text1\\(1\\)');
            await tap('.keys button');
            await tab.cdp.send('Input.insertText', { text: '700' });
            assert.equal(await tab.evaluate(state), '100 -700    | Text1(1)');
            await tap('#Command1\\(0\\)');
            assert.equal(await tab.evaluate(state), '100 -700 -10 12 0 | Command1(0)');

            // Turning the phone keeps the texts and the focus, and the window fits again.
            await tap('#Text1\\(1\\)');
            await tab.page.setViewport(screen(!turned));
            await tab.waitFor((w) => innerWidth === w, turned ? width : height);
            assert.ok((await tab.evaluate(layout)).fits, 'fits turned');
            assert.equal(await tab.evaluate(state), '100 -700 -10 12 0 | Text1(1)');
            await tab.page.setViewport(screen(turned));

            // The warning lies within the screen, OK is a finger's size, and a tap on it closes it.
            await tab.evaluate(() => { document.getElementById('Text1(1)').value = ''; });
            await tap('#Command1\\(0\\)');
            await tab.waitFor(() => document.getElementById('message').open);
            assert.ok(await tab.evaluate(() => {
                const { left, top, right, bottom } = document.getElementById('message').getBoundingClientRect();
                return left >= 0 && top >= 0 && right <= innerWidth && bottom <= innerHeight;
            }), 'the warning lies within the screen');
            assert.ok((await tab.evaluate(layout)).smallest >= 24, 'OK is a finger\'s size');
            assert.deepEqual(await audit(), []);
            await tap('#message button');
            await tab.waitFor(() => !document.getElementById('message').open);
            await tab.close();
        });
    }
}
