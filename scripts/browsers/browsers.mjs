// The browser engines the page is tested in, behind one small interface, each driven by real key
// events: Chromium and Firefox ESR through puppeteer-core (the DevTools protocol, WebDriver BiDi),
// WebKitGTK through its WebDriver. A browser opens in a language, 600 x 500 CSS pixels at one
// device pixel each, and gives tabs:
//   goto(url), evaluate(fn, ...args), waitFor(fn, ...args), inject(source) (a script run as the
//   driver runs its own, whatever the page's security policy), keys(...keys), click(selector),
//   shot(selector), close(); chromium tabs also have cdp, the DevTools session, and drop(x, y,
//   text), text dropped from another program at that point.
// keys() takes key names ("Tab", "Enter", "Home", ...), modifiers and a key joined by "+"
// ("Shift+Tab", "Control+v"), and texts, typed a character at a time.
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:net';
import puppeteer from 'puppeteer-core';

const VIEWPORT = { width: 600, height: 500 };

// The engines, by name: each opens a browser with `language` first.
export const engines = {
    chromium: (language) => puppeteerBrowser({ browser: 'chrome', executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-sync', '--disable-component-update',
            '--force-device-scale-factor=1', `--lang=${language}`, `--accept-lang=${language}`] }),
    firefox: (language) => puppeteerBrowser({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
        extraPrefsFirefox: { 'intl.accept_languages': language, 'intl.locale.requested': language,
            'layout.css.devPixelsPerPx': '1.0' } }),
    // WebKitGTK takes its language from the session's locale (LANG, with LOCPATH for locales
    // compiled into the build folder), and shows on the X server whose folder is
    // BRENVOL_XVFB_DIR (scripts/xvfb.sh), if any.
    webkit: () => webkitBrowser(),
};

const MODIFIERS = ['Shift', 'Control', 'Alt', 'AltGraph', 'Meta'];
const NAMES = ['Backspace', 'Tab', 'Enter', 'NumpadEnter', 'Escape', 'End', 'Home', 'ArrowLeft',
    'ArrowUp', 'ArrowRight', 'ArrowDown', 'Insert', 'Delete', 'Space', 'F10', ...MODIFIERS];

// The key strokes of one argument of keys(): each a key with the modifiers held for it.
function strokes(keys) {
    const parts = keys.split('+');
    if (NAMES.includes(keys) || (parts.length > 1 && parts.slice(0, -1).every((part) => MODIFIERS.includes(part)))) {
        return [{ modifiers: parts.slice(0, -1), key: parts.at(-1) }];
    }
    return [...keys].map((key) => ({ modifiers: [], key }));
}

// The common half of a tab: waiting for a state.
class Tab {
    // Polls fn in the page until it returns something truthy, which it returns.
    async waitFor(fn, ...args) {
        const deadline = Date.now() + 30000;
        for (;;) {
            const value = await this.evaluate(fn, ...args).catch(() => undefined);
            if (value) return value;
            if (Date.now() > deadline) throw new Error(`never came true in the page: ${fn}`);
            await new Promise((resolve) => setTimeout(resolve, 50));
        }
    }
}

// Keys WebDriver BiDi knows by their WebDriver codes alone.
const BIDI_KEYS = { Space: ' ', NumpadEnter: '\uE007', AltGraph: '\uE052' };

class PuppeteerTab extends Tab {
    constructor(page, cdp) {
        super();
        Object.assign(this, { page, cdp });
    }
    key(name) { return this.cdp ? name : BIDI_KEYS[name] ?? name; }
    goto(url) { return this.page.goto(url, { waitUntil: 'domcontentloaded' }); }
    evaluate(fn, ...args) { return this.page.evaluate(fn, ...args); }
    inject(source) { return this.page.evaluate(source); }
    async keys(...keys) {
        const keyboard = this.page.keyboard;
        for (const { modifiers, key: last } of keys.flatMap(strokes)) {
            for (const modifier of modifiers) await keyboard.down(this.key(modifier));
            await keyboard.press(this.key(last));
            for (const modifier of modifiers.reverse()) await keyboard.up(this.key(modifier));
        }
    }
    click(selector) { return this.page.click(selector); }
    async drop(x, y, text) {
        const data = { items: [{ mimeType: 'text/plain', data: text }], dragOperationsMask: 1 };
        await this.page.mouse.dragEnter({ x, y }, data);
        await this.page.mouse.dragOver({ x, y }, data);
        await this.page.mouse.drop({ x, y }, data);
    }
    async shot(selector) { return Buffer.from(await (await this.page.$(selector)).screenshot()); }
    close() { return this.page.close(); }
}

async function puppeteerBrowser(options) {
    const browser = await puppeteer.launch({ headless: true, defaultViewport: VIEWPORT, ...options });
    return {
        async tab() {
            const page = await browser.newPage();
            const cdp = options.browser === 'chrome' ? await page.createCDPSession() : null;
            return new PuppeteerTab(page, cdp);
        },
        close: () => browser.close(),
    };
}

// WebKitGTK: WebKitWebDriver on a free port, and one session, whose window is the one tab.
const W3C_KEYS = {
    Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', NumpadEnter: '\uE007', Shift: '\uE008',
    Control: '\uE009', Alt: '\uE00A', Escape: '\uE00C', Space: '\uE00D', End: '\uE010',
    Home: '\uE011', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014',
    ArrowDown: '\uE015', Insert: '\uE016', Delete: '\uE017', F10: '\uE03A', Meta: '\uE03D',
};

class WebDriverTab extends Tab {
    constructor(call) {
        super();
        this.call = call;
    }
    goto(url) { return this.call('POST', '/url', { url }); }
    async evaluate(fn, ...args) {
        const script = `const done = arguments[arguments.length - 1];
            Promise.resolve().then(() => (${fn}).apply(null, Array.from(arguments).slice(0, -1)))
                .then((value) => done({ value }), (error) => done({ error: String(error) }));`;
        const { value, error } = await this.call('POST', '/execute/async', { script, args });
        if (error !== undefined) throw new Error(error);
        return value;
    }
    inject(source) { return this.call('POST', '/execute/sync', { script: source, args: [] }); }
    keys(...keys) {
        const actions = [];
        for (const { modifiers, key: last } of keys.flatMap(strokes)) {
            const codes = [...modifiers, last].map((name) => W3C_KEYS[name] ?? name);
            for (const value of codes) actions.push({ type: 'keyDown', value });
            for (const value of codes.reverse()) actions.push({ type: 'keyUp', value });
        }
        return this.call('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
    }
    async element(selector) {
        const element = await this.call('POST', '/element', { using: 'css selector', value: selector });
        return `/element/${Object.values(element)[0]}`;
    }
    // The mouse at the middle of the element, as a person clicks, wherever the click lands.
    async click(selector) {
        const [x, y] = await this.evaluate((selector) => {
            const { left, top, width, height } = document.querySelector(selector).getBoundingClientRect();
            return [Math.round(left + width / 2), Math.round(top + height / 2)];
        }, selector);
        const at = { type: 'pointerMove', x, y };
        await this.call('POST', '/actions', { actions: [{ type: 'pointer', id: 'mouse', actions: [at,
            { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }] }] });
    }
    async shot(selector) {
        return Buffer.from(await this.call('GET', `${await this.element(selector)}/screenshot`), 'base64');
    }
    // The window's outer size: the viewport is smaller by the browser's own frame.
    close() { return this.goto('about:blank'); }
}

async function freePort() {
    const server = createServer();
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const { port } = server.address();
    await new Promise((resolve) => server.close(resolve));
    return port;
}

async function webkitBrowser() {
    const port = await freePort();
    const xvfb = process.env.BRENVOL_XVFB_DIR;
    const display = xvfb ? { DISPLAY: `:${readFileSync(`${xvfb}/display`, 'utf8').trim()}` } : {};
    const driver = spawn('WebKitWebDriver', [`--port=${port}`],
        // Without an accelerated compositor, which draws nothing on an X server without a GPU.
        { stdio: 'ignore', env: { ...process.env, ...display, WEBKIT_DISABLE_COMPOSITING_MODE: '1' } });
    const base = `http://127.0.0.1:${port}`;
    const request = async (method, path, body) => {
        const response = await fetch(base + path, { method, body: body && JSON.stringify(body),
            headers: { 'Content-Type': 'application/json' } });
        const { value } = await response.json();
        if (!response.ok) throw new Error(`WebKitWebDriver ${path}: ${value.message}`);
        return value;
    };
    let session;
    for (let tries = 0; !session; ++tries) {
        try {
            session = await request('POST', '/session', { capabilities: { alwaysMatch: {
                // The clipboard open to scripts: the suite pastes as the context menu does.
                'webkitgtk:browserOptions': { args: ['--automation', '--javascript-can-access-clipboard=true'] },
            } } });
        } catch (error) {
            if (tries > 100) throw error;
            await new Promise((resolve) => setTimeout(resolve, 100));  // the driver is starting
        }
    }
    const call = (method, path, body) => request(method, `/session/${session.sessionId}${path}`, body);
    await call('POST', '/window/rect', VIEWPORT);
    return {
        tab: async () => new WebDriverTab(call),
        async close() {
            await call('DELETE', '').catch(() => undefined);
            driver.kill();
        },
    };
}
