// Brenvol's page: brings the page's events to frmMain, which runs in WebAssembly (brenvol.wasm,
// through frm_main_page.cpp), and does what frmMain asks of the window. Nothing is decided here
// but what only a browser needs: how a key, a paste, a drop or a composition reaches a box, the
// message box as a dialog, the beep as a tone, and what "Exit" can do in a tab.
'use strict';

const byName = (name) => document.getElementById(name);
const message = () => byName('message');
const client = () => document.querySelector('.client');
const windowElement = () => document.querySelector('.window');
let audio = null;

// Called by frmMain, through frm_main_page.cpp.
const page = {
    text: (name) => byName(name).value,
    setText: (name, text) => { byName(name).value = text; },
    focus: () => (client().contains(document.activeElement) ? document.activeElement.id : ''),
    // Behind the message box nothing takes the focus: the browser gives it back to where it
    // was when the box closes.
    setFocus: (name) => byName(name).focus(),
    // icon: 'error' or 'none'.
    showMessage(text, title, icon) {
        const dialog = message();
        byName('message-title').textContent = title;
        byName('message-text').textContent = text;
        const error = icon === 'error';
        dialog.classList.toggle('error', error);
        dialog.setAttribute('role', error ? 'alertdialog' : 'dialog');
        dialog.showModal();
    },
    // The live region's news: spoken when it changes, so the same news twice differs by a space
    // a screen reader does not say.
    announce(text) {
        const said = byName('said');
        said.textContent = said.textContent === text ? `${text}\u00a0` : text;
    },
    beep() {
        audio ??= new AudioContext();
        const tone = audio.createOscillator(), volume = audio.createGain(), now = audio.currentTime;
        tone.frequency.value = 880;
        volume.gain.setValueAtTime(0.2, now);
        volume.gain.exponentialRampToValueAtTime(0.001, now + 0.15);
        tone.connect(volume).connect(audio.destination);
        tone.start(now);
        tone.stop(now + 0.15);
    },
    close() {
        // A page may close only a window a script opened, or an installed app's own: otherwise
        // the window goes, and the page says how to have it back.
        window.close();
        windowElement().hidden = true;
        document.querySelector('.closed').hidden = false;
    },
    // A text for C++, in memory it frees.
    copyOut(text) {
        const size = (text.length + 1) * 2, at = Module._malloc(size);
        Module.stringToUTF16(text, at, size);
        return at;
    },
};

// Calls `f` with `text` in C++ memory for the call's length.
function withText(text, f) {
    const at = page.copyOut(text);
    try {
        return f(at);
    } finally {
        Module._free(at);
    }
}

// The index of a control of an array: 1 for Text1(1).
const controlIndex = (control) => Number(control.id.match(/\((\d+)\)/)[1]);

// Puts what the rule let through where the box's selection is, as typing would. When the rule
// let nothing through, the box is left as it was, selection included.
function put(box, received) {
    if (received) box.setRangeText(received, box.selectionStart, box.selectionEnd, 'end');
}

// What the rule lets into `box` of `text`, put in.
function insert(box, text) {
    put(box, withText(text, (at) =>
        Module.UTF16ToString(Module._brenvol_text_inserted(controlIndex(box), at))));
}

// A key pressed in `box`: false when the browser is to act on it; else what it types has been
// put in.
function keyDown(box, key, modifiers) {
    const typed = withText(key, (at) => Module._brenvol_key(controlIndex(box), at, modifiers));
    if (typed) put(box, Module.UTF16ToString(typed));
    return typed !== 0;
}

// Until the WebAssembly is ready, what is typed into a box and the buttons pressed wait here, in
// order, and then go through the rule and the window as if done then: nothing slips past the
// rule, and nothing is lost.
let ready = false;
const held = [];
// Keys that edit a box or move in it, besides those that type a character.
const editingKeys = new Set(['Enter', 'Backspace', 'Delete', 'Escape']);
const movingKeys = new Set(['ArrowLeft', 'ArrowRight', 'Home', 'End']);

// Text arriving in `box` all at once: let in by the rule now, or once the window is ready.
function arrive(box, text) {
    if (ready) insert(box, text);
    else held.push([box, 'text', text]);
}

// What a moving key does to the caret, and with Shift to the selection: the box's own, which is
// past by the time the key's turn comes.
function move(box, key, shift) {
    const backward = box.selectionDirection === 'backward';
    const [start, end] = [box.selectionStart, box.selectionEnd];
    const [anchor, caret] = backward ? [end, start] : [start, end];
    const step = { ArrowLeft: -1, ArrowRight: 1 }[key];
    const to = key === 'Home' ? 0 : key === 'End' ? box.value.length
        : shift || start === end ? Math.min(Math.max(caret + step, 0), box.value.length)
        : step < 0 ? start : end;
    if (!shift) return box.setSelectionRange(to, to);
    box.setSelectionRange(Math.min(anchor, to), Math.max(anchor, to), to < anchor ? 'backward' : 'forward');
}

function replay([target, kind, value, modifiers]) {
    if (kind === 'click') return Module._brenvol_click(controlIndex(target));
    target.focus();
    if (kind === 'text') {
        insert(target, value);
    } else if (kind === 'move') {
        move(target, value, modifiers);
    } else if (!keyDown(target, value, modifiers)) {
        // What the browser would have done: Backspace and Delete are all that is left to it.
        if (value === 'Backspace' || value === 'Delete') {
            document.execCommand(value === 'Backspace' ? 'delete' : 'forwardDelete');
        }
    }
}

// The boxes' events, taken at the document, so that they are there before the boxes are: this
// script runs before the window is parsed, so no key reaches a box that it has not seen.
const isBox = (target) => target instanceof HTMLInputElement && target.closest('.client') !== null;
// Per box, its text and selection when nothing is being composed (`settled`), and when the
// composition under way started (`before`), for a composition to be undone from.
const compositions = new Map();
const composition = (box) => compositions.get(box) ?? compositions.set(box, {}).get(box);

function settle(box) {
    const state = composition(box);
    if (!state.before) state.settled = [box.value, box.selectionStart, box.selectionEnd];
}

function onKeyDown(box, event) {
    if (event.isComposing) return;
    const modifiers = event.ctrlKey | (event.altKey << 1) | (event.metaKey << 2);
    if (!ready) {
        if ([...event.key].length === 1 || editingKeys.has(event.key)) {
            held.push([box, 'key', event.key, modifiers]);
            event.preventDefault();
        } else if (movingKeys.has(event.key) && !modifiers) {
            held.push([box, 'move', event.key, event.shiftKey]);
            event.preventDefault();
        }
    } else if (keyDown(box, event.key, modifiers)) {
        event.preventDefault();
    }
}

// Typing, pasting and dropping: the rule decides what goes in. Deleting stays the box's own.
function onBeforeInput(box, event) {
    if (!event.inputType.startsWith('insert') || event.isComposing ||
        event.inputType === 'insertCompositionText') return;
    event.preventDefault();
    // A paste or a drop carries its text in dataTransfer; WebKit gives it an empty data too.
    const text = event.data || (event.dataTransfer?.getData('text/plain') ?? '');
    arrive(box, text);
}

// A composition (an input method) shows its text while it lasts; what it makes goes through the
// rule in place of it. Some input methods end a composition they never started.
function onCompositionEnd(box, event) {
    const state = composition(box);
    const before = state.before ?? state.settled;
    if (before) [box.value, box.selectionStart, box.selectionEnd] = before;
    state.before = null;
    arrive(box, event.data ?? '');
    settle(box);
}

const boxEvents = {
    keydown: onKeyDown,
    beforeinput: onBeforeInput,
    compositionstart: (box) => {
        composition(box).before = [box.value, box.selectionStart, box.selectionEnd];
    },
    compositionend: onCompositionEnd,
    focusin: settle, input: settle, select: settle, keyup: settle, mouseup: settle,
};
// Taken on the way down, before any handler of the box's own, and whether the event bubbles or not.
for (const [type, handler] of Object.entries(boxEvents)) {
    document.addEventListener(type, (event) => {
        if (isBox(event.target)) handler(event.target, event);
    }, true);
}

// Tab goes round the window in its tab order, as in any window, rather than leaving for the
// browser.
function wrapTab(event) {
    if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) return;
    const focusable = [...client().querySelectorAll('input:enabled, button')]
        .sort((a, b) => a.tabIndex - b.tabIndex);
    const at = focusable.indexOf(document.activeElement);
    if (at < 0) return;
    event.preventDefault();
    focusable[(at + (event.shiftKey ? focusable.length - 1 : 1)) % focusable.length].focus();
}

// The window as large as the screen shows it whole, without scrolling: at most the design's own
// size where there is a mouse, and up to three times it on a touch screen, where a control must
// be a finger's size. The key for "-", on a touch screen, goes below the window, or beside it
// where that leaves the window larger.
const MOST = 3;
function fit() {
    const window_ = windowElement(), key = document.querySelector('.keys button');
    window_.style.zoom = 1;
    const [width, height] = [window_.offsetWidth || 1, window_.offsetHeight || 1];
    // The key and the gap before it; nothing where the key is not shown.
    const [keyX, keyY] = key.offsetWidth ? [key.offsetWidth + 8, key.offsetHeight + 8] : [0, 0];
    const [roomX, roomY] = [innerWidth - 16, innerHeight - 32];
    const below = Math.min(roomX / width, (roomY - keyY) / height);
    const beside = Math.min((roomX - keyX) / width, roomY / height);
    document.body.classList.toggle('beside', beside > below);
    const most = matchMedia('(pointer: coarse)').matches ? MOST : 1;
    // The message box is drawn at the window's scale.
    const zoom = Math.min(most, Math.max(below, beside)).toFixed(3);
    window_.style.zoom = zoom;
    message().style.zoom = zoom;
}

// A touch screen's numeric keypad may have no "-": the page's own key types it where the caret
// is, through the rule, leaving the focus in the box.
function typeMinus() {
    const box = document.activeElement;
    if (!isBox(box) || box.disabled) return;
    arrive(box, '-');
}

// The decimal separator of the first of `languages` that is a language the browser knows as
// such; "." when none is ("C", the language of a bare Linux session, is none).
function separator(languages) {
    for (const language of languages) {
        try {
            if (Intl.NumberFormat.supportedLocalesOf(language).length === 0) continue;
            const parts = new Intl.NumberFormat(language).formatToParts(1.5);
            return parts.find((part) => part.type === 'decimal')?.value ?? '.';
        } catch {
            // not a language tag at all
        }
    }
    return '.';
}

document.addEventListener('keydown', wrapTab);
// A button pressed before the window is ready is pressed once it is.
document.addEventListener('click', (event) => {
    const button = event.target.closest?.('.client button');
    if (!ready && button) held.push([button, 'click']);
}, true);
// A press on what takes no focus (a label, the frame, the window itself) leaves the focus where it
// is, as in any window, where a browser would take it to the page.
document.addEventListener('mousedown', (event) => {
    if (windowElement().contains(event.target) && !event.target.closest('input, button')) {
        event.preventDefault();
    }
}, true);

var Module = {
    page,
    onRuntimeInitialized() {
        client().querySelectorAll('button').forEach((button) => {
            button.addEventListener('click', () => Module._brenvol_click(controlIndex(button)));
        });
        const focused = page.focus();
        const languages = navigator.languages?.length ? navigator.languages : [navigator.language];
        withText(separator(languages ?? []), (at) => Module._brenvol_load(at));
        ready = true;
        held.splice(0).forEach(replay);
        // Whoever got here first keeps the focus where they put it.
        if (focused) byName(focused).focus();
        windowElement().classList.remove('loading');
    },
};

addEventListener('resize', fit);
document.addEventListener('DOMContentLoaded', () => {
    const minus = document.querySelector('.keys button');
    minus.addEventListener('mousedown', (event) => event.preventDefault());
    minus.addEventListener('click', typeMinus);
});
addEventListener('DOMContentLoaded', fit);
// Kept for offline use once the page has loaded, not competing with its first load.
addEventListener('load', () => navigator.serviceWorker?.register('sw.js'));
