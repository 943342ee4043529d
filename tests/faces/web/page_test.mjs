// node page_test.mjs ENGINE LANGUAGE WEB_DIR PICTURES: Brenvol's page in one browser engine
// (browsers.mjs), in LANGUAGE, served from WEB_DIR. The window's cases (window_cases.txt, beside
// PICTURES) run with the engine's key events, clicks and drops, as in every face; then what only
// the page can get wrong: its loading, input methods, layout, languages, offline copy, audit and,
// where only Chromium's protocol reaches, a composition, installability and its pictures.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, afterEach, before, beforeEach, test } from 'node:test';
import { engines } from './browsers.mjs';
import { serve } from './page_server.mjs';
import { runCases, text } from './window_cases.mjs';

const [engine, language, WEB_DIR, PICTURES] = process.argv.slice(2);
// The decimal separator a person of that language types: Italian's comma, else the point.
const sep = language.startsWith('it') ? ',' : '.';
const chromium = { skip: engine !== 'chromium' && 'only Chromium has the protocol for it' };

let browser, server, tab;
before(async () => { browser = await engines[engine](language); });
after(() => browser?.close());
beforeEach(async () => { [server, tab] = [await serve(WEB_DIR), await browser.tab()]; });
afterEach(async () => {
    await tab.close();
    await server.close();
    assert.deepEqual(server.reports, [], 'the page broke its security policy');
});

// Counts the beeps instead of sounding them, once the page's script is there.
const countBeeps = () => tab.waitFor(() => typeof Module === 'object' &&
    ((window.beeps = 0), (Module.page.beep = () => ++window.beeps), true));
const isReady = () => !document.querySelector('.window').classList.contains('loading');

// Opens the page, and waits until it is ready.
async function load(url = server.url) {
    await tab.goto(url);
    await countBeeps();
    await tab.waitFor(isReady);
}

// The five boxes' texts, in reading order, the focused control and the beeps.
const state = () => tab.evaluate(() =>
    `${[...document.querySelectorAll('.client input')].map((box) => box.value).join(' ')} | ` +
    `${document.activeElement.id} | ${window.beeps}`);

// The window's cases, each in the page just loaded, with the engine's key events, clicks and
// drops. They hold for the Italian sessions, whose separator is the table's.
const KEYS = { KeypadEnter: 'NumpadEnter', Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp',
    Ctrl: 'Control', AltGr: 'AltGraph', Super: 'Meta', Menu: 'ContextMenu' };

// Puts `value` on the clipboard, as a person copies it from elsewhere, and comes back to the box
// and its selection.
async function copy(value) {
    await tab.evaluate((value) => {
        [window.before, window.clipboardText] = [document.activeElement, value];
        Object.assign(document.body.appendChild(document.createElement('textarea')), { value }).select();
    }, value);
    await tab.keys('Control+c');
    await tab.evaluate(() => document.querySelector('textarea').remove() ?? window.before.focus());
}

async function act(action) {
    if (action.startsWith('"')) return tab.keys(text(action));
    if (action.startsWith('clipboard=')) return copy(text(action));
    if (action.startsWith('click:')) {
        const name = action.slice(6);
        return tab.click(name === 'OK' ? '#message button' : `#${name.replace(/[()]/g, '\\$&')}`);
    }
    if (action === 'drop') {
        const [x, y] = await tab.evaluate(() => {
            const { right, top, height } = document.activeElement.getBoundingClientRect();
            return [right - 4, top + height / 2];
        });
        return tab.drop(x, y, await tab.evaluate(() => window.clipboardText));
    }
    return tab.keys(action.split('+').map((key) => KEYS[key] ?? key).join('+'));
}

if (sep === ',') {
    runCases(`web-${engine}`, {
        // A page may close its tab where it is all of the tab's history: here it is not.
        open: async (c) => { if (c.want.closed) await load(`${server.url}?before`); await load(); },
        act,
        state: () => tab.evaluate(() => {
            const closed = document.querySelector('.window').hidden, message = document.getElementById('message');
            const active = document.activeElement, title = document.getElementById('message-title');
            return {
                boxes: [...document.querySelectorAll('.client input')].map((box) => (closed ? '' : box.value)),
                beeps: window.beeps,
                focus: !closed && !message.open && document.querySelector('.client').contains(active) ? active.id : 'none',
                warning: message.open ? `${title.textContent}: ${document.getElementById('message-text').textContent}` : '',
                icon: message.open ? (message.classList.contains('error') ? 'error' : 'none') : '',
                closed,
                // A live region's news, which a screen reader speaks without a focus change.
                said: closed ? '' : document.querySelector('[aria-live=polite]')?.textContent.trim() ?? '',
            };
        }),
    });
}

test('keys and buttons pressed before the page is ready wait, then act in order', async () => {
    server.hold('brenvol.wasm');
    await tab.goto(server.url);
    await countBeeps();
    await tab.evaluate(() => document.getElementById('Text1(0)').focus());
    await tab.keys('1', '2', 'ArrowLeft', '3', 'Shift+ArrowLeft', '4', 'a', 'Tab', '700', 'Tab');
    await tab.click('#Command1\\(0\\)');
    assert.deepEqual([await state(), await tab.evaluate(isReady)], ['     | Command1(0) | 0', false],
        'nothing shows unfiltered');
    server.release('brenvol.wasm');
    await tab.waitFor(isReady);
    assert.equal(await state(), '142 700 6 54 5 | Command1(0) | 1');
});

test('a composition goes through the rule, even one ended without a start', async () => {
    await load();
    await tab.keys('12');
    // What such an input method leaves in the box, unfiltered, before it ends.
    await tab.evaluate(() => {
        const box = document.getElementById('Text1(0)');
        box.value = '125x.';
        box.dispatchEvent(new CompositionEvent('compositionend', { data: '5x.' }));
    });
    assert.equal(await state(), `125${sep}     | Text1(0) | 1`);
    if (engine !== 'chromium') return;  // only Chromium's protocol composes as an input method does
    await tab.cdp.send('Input.imeSetComposition', { text: '5x', selectionStart: 2, selectionEnd: 2 });
    await tab.cdp.send('Input.insertText', { text: '5x.' });
    assert.equal(await state(), `125${sep}5${sep}     | Text1(0) | 2`);
});

test('the page reads in reading order, each box shows whole above the labels, and the frame\'s ' +
    'controls lie where the design puts them, from its outer edge', async () => {
    await load();
    assert.deepEqual(await tab.evaluate(() => {
        const faults = [], frame = document.getElementById('Frame1').getBoundingClientRect();
        // The result boxes let clicks through to the window; here they are hit as they show.
        document.querySelectorAll('input:disabled').forEach((box) => { box.style.pointerEvents = 'auto'; });
        const elements = [...document.querySelectorAll('.client .label, .client input, .client button')];
        elements.forEach((element, i) => {
            const { left, top, width, height } = element.getBoundingClientRect();
            const previous = elements[i - 1]?.getBoundingClientRect(), style = getComputedStyle(element);
            // Rows top to bottom, left to right: an element level with an earlier one lies to its right.
            if (previous && !(top > previous.top || (top === previous.top && left > previous.left))) {
                faults.push(`${element.id} out of reading order`);
            }
            if (elements.indexOf(document.getElementById(element.getAttribute('aria-labelledby'))) > i) {
                faults.push(`${element.id} before its caption`);
            }
            if (!element.matches('.label') && [[1, 1], [width - 2, height - 2]]
                .some(([x, y]) => document.elementFromPoint(left + x, top + y) !== element)) {
                faults.push(`${element.id} covered`);
            }
            if (element.parentElement.id === 'Frame1' && (left - frame.left !== parseFloat(style.left) ||
                top - frame.top !== parseFloat(style.top))) faults.push(`${element.id} off its place`);
        });
        return faults;
    }), []);
});

test('the decimal separator is that of the first language the browser knows', async () => {
    await load();
    for (const [languages, want] of [[['C'], '.'], [[], '.'], [['C', 'it-IT'], ','], [['it-CH'], '.'],
        [['de-DE', 'en-US'], ','], [['tlh', 'en-GB'], '.'], [['', 'it'], ',']]) {
        assert.equal(await tab.evaluate((languages) => separator(languages), languages), want,
            JSON.stringify(languages));
    }
});

test('a next version with a file the server fails leaves the page whole, offline too', async () => {
    await load();
    await tab.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    server.nextVersion = { marker: '\nself.nextVersion = true;\n', failing: 'brenvol.wasm' };
    server.requested.length = 0;
    await tab.goto(server.url);
    await tab.waitFor(isReady);
    await tab.evaluate(() => navigator.serviceWorker.getRegistration().then((registration) =>
        registration.update().catch(() => undefined)));
    // Tried, and not waiting to take over once it is through.
    assert.deepEqual(await tab.waitFor(() => navigator.serviceWorker.getRegistration().then((registration) =>
        !registration.installing && [Boolean(registration.waiting)])), [false]);
    assert.ok(server.requested.includes('brenvol.wasm'), 'the next version was tried');
    // The server forbids the HTTP cache: with it gone, only the service worker can answer.
    await server.close();
    await load();
    await tab.keys('100', 'Tab', '7.5', 'Enter');
    assert.deepEqual([await state(), await tab.evaluate(() => self.nextVersion ?? false)],
        [`100 7${sep}5 0 6 18 | Text1(1) | 0`, false]);
});

test('the page and its warning break no WCAG 2.1 A or AA rule, and a broken security policy ' +
    'reaches the suite', async () => {
    await load();
    const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    await tab.inject(axe);
    // The frame's caption keeps the design's red, as every face does: README says why.
    const audit = () => tab.evaluate(() => axe.run({ exclude: ['#Frame1-caption'] }, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] })
        .then(({ violations }) => violations.map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target).join(', ')}`)));
    assert.deepEqual(await audit(), []);
    await tab.keys('Enter');
    await tab.waitFor(() => document.getElementById('message').open);
    assert.deepEqual(await audit(), []);
    await tab.evaluate(() => document.body.setAttribute('style', 'color: red'));
    while (!server.reports.length) await new Promise((resolve) => setTimeout(resolve, 50));
    server.reports.length = 0;
});

test('the page is installable, and the window and its warning look as their pictures', chromium, async () => {
    await load();
    assert.deepEqual((await tab.cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
    await tab.keys('100', 'Tab', '700', 'Enter', 'Tab');
    const window_ = await tab.shot('.window');
    await tab.keys('Shift+Tab', 'Backspace', 'Backspace', 'Backspace', 'Enter');
    const warning = await tab.shot('#message');
    await tab.goto('about:blank');  // where no security policy keeps the pictures out
    await assertLooksAs(window_, 'page');
    await assertLooksAs(warning, 'page_warning');
});

// The picture `got` looks as PICTURES/name.png, but for a few pixels of smoothing; name.new.png
// is left in the working folder when it does not.
async function assertLooksAs(got, name) {
    let want = Buffer.alloc(0);
    try {
        want = readFileSync(`${PICTURES}/${name}.png`);
    } catch { /* no picture yet */ }
    const differing = await tab.evaluate(async (...pictures) => {
        const pixels = async (data) => {
            const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${data}`)).blob());
            const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
            context.drawImage(image, 0, 0);
            return [image.width, image.height, context.getImageData(0, 0, image.width, image.height).data];
        };
        const [[w, h, x], [width, height, y]] = await Promise.all(pictures.map(pixels)).catch(() => [[], []]);
        if (!y || w !== width || h !== height) return 1 << 30;
        let n = 0;
        for (let i = 0; i < x.length; i += 4) n += [0, 1, 2].some((c) => Math.abs(x[i + c] - y[i + c]) > 8);
        return n;
    }, got.toString('base64'), want.toString('base64'));
    if (differing > 6) writeFileSync(`${name}.new.png`, got);
    assert.ok(differing <= 6, `${differing} pixels differ; see ${name}.new.png`);
}
