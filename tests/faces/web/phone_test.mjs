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

const [WEB_DIR] = process.argv.slice(2);
const PHONES = [
    { width: 360, height: 640, deviceScaleFactor: 2 },
    { width: 412, height: 915, deviceScaleFactor: 3 },
];
const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

let browser, server;
before(async () => [browser, server] = [await engines.chromium('it-IT'), await serve(WEB_DIR)]);
after(async () => { await browser?.close(); await server?.close(); });

// The page on a phone held upright or turned.
const screen = ({ width, height, deviceScaleFactor }, turned) => ({
    width: turned ? height : width, height: turned ? width : height, deviceScaleFactor,
    isMobile: true, hasTouch: true, isLandscape: turned,
});

// How the window lies: its scale and box, the viewport, how far the page scrolls sideways, the
// smallest side of any control, and the size the boxes' text is drawn at.
const layout = () => {
    const window_ = document.querySelector('.window'), zoom = Number(window_.style.zoom);
    const box = window_.getBoundingClientRect();
    const controls = [...document.querySelectorAll('.client input, .client button, .keys button, dialog[open] button')];
    const sides = controls.flatMap((control) => {
        const { width, height } = control.getBoundingClientRect();
        return [width, height];
    });
    return {
        zoom, right: box.right, bottom: box.bottom, width: innerWidth, height: innerHeight,
        scrollWidth: document.scrollingElement.scrollWidth,
        smallest: Math.min(...sides),
        text: parseFloat(getComputedStyle(document.getElementById('Text1(0)')).fontSize) * zoom,
    };
};

async function tap(tab, selector) {
    const { x, y } = await tab.page.$eval(selector, (control) => {
        const { left, top, width, height } = control.getBoundingClientRect();
        return { x: left + width / 2, y: top + height / 2 };
    });
    await tab.page.touchscreen.tap(x, y);
}

const state = (tab) => tab.evaluate(() => ({
    boxes: [...document.querySelectorAll('.client input')].map((box) => box.value).join(' '),
    focus: document.activeElement.id,
}));

const smallest = [];
after(() => console.log(`The smallest target drawn, in CSS pixels: ${smallest.join('; ')}`));

for (const phone of PHONES) {
    for (const turned of [false, true]) {
        const name = `${phone.width} x ${phone.height}${turned ? ', turned' : ''}`;
        test(`on a phone at ${name}, the window fills the screen, a finger's size, and taps work`, async () => {
            const tab = await browser.tab();
            await tab.page.setViewport(screen(phone, turned));
            await tab.goto(server.url);
            await tab.waitFor(() => !document.querySelector('.window').classList.contains('loading'));
            const shown = await tab.evaluate(layout);
            smallest.push(`${name}: ${shown.smallest.toFixed(1)}`);
            assert.ok(shown.zoom > 1.4 && shown.zoom <= 3, `scaled up, within bounds: ${shown.zoom}`);
            assert.ok(shown.right <= shown.width && shown.bottom <= shown.height, 'whole on the screen');
            assert.ok(shown.scrollWidth <= shown.width, 'no sideways scrolling');
            assert.ok(shown.smallest >= 24, `each control 24 pixels or more: ${shown.smallest}`);
            assert.ok(shown.text >= 16, `the boxes' text 16 pixels or more: ${shown.text}`);

            await tab.inject(axe);
            const audit = () => tab.evaluate(() => axe.run({ exclude: ['#Frame1-caption'] },
                { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] })
                .then(({ violations }) => violations.map(({ id }) => id)));
            assert.deepEqual(await audit(), []);

            // A tap focuses a box; the phone's keyboard types into it through the rule, and the
            // page's own key types "-".
            await tap(tab, '#Text1\\(0\\)');
            await tab.cdp.send('Input.insertText', { text: '1a00' });
            await tap(tab, '#Text1\\(1\\)');
            await tap(tab, '.keys button');
            await tab.cdp.send('Input.insertText', { text: '700' });
            assert.deepEqual(await state(tab), { boxes: '100 -700   ', focus: 'Text1(1)' });
            await tap(tab, '#Command1\\(0\\)');
            assert.deepEqual(await state(tab), { boxes: '100 -700 -10 12 0', focus: 'Command1(0)' });

            // Turning the phone keeps the texts and the focus, and the window fits again.
            await tap(tab, '#Text1\\(1\\)');
            await tab.page.setViewport(screen(phone, !turned));
            await tab.waitFor((width) => innerWidth === width, turned ? phone.width : phone.height);
            const again = await tab.evaluate(layout);
            assert.ok(again.right <= again.width && again.bottom <= again.height && again.zoom > 1.4,
                `fits turned: ${JSON.stringify(again)}`);
            assert.deepEqual(await state(tab), { boxes: '100 -700 -10 12 0', focus: 'Text1(1)' });
            await tab.page.setViewport(screen(phone, turned));

            // The warning fits the screen, and a tap on OK closes it.
            await tab.evaluate(() => { document.getElementById('Text1(1)').value = ''; });
            await tap(tab, '#Command1\\(0\\)');
            await tab.waitFor(() => document.getElementById('message').open);
            const warning = await tab.evaluate(() => {
                const { left, top, right, bottom } = document.getElementById('message').getBoundingClientRect();
                return left >= 0 && top >= 0 && right <= innerWidth && bottom <= innerHeight;
            });
            assert.ok(warning, 'the warning lies within the screen');
            assert.ok((await tab.evaluate(layout)).smallest >= 24, 'OK is a finger\'s size');
            assert.deepEqual(await audit(), []);
            await tap(tab, '#message button');
            await tab.waitFor(() => !document.getElementById('message').open);
            await tab.close();
        });
    }
}
