// Brenvol's page: brings the page's events to frmMain, which runs in WebAssembly (brenvol.wasm,
// through frm_main_page.cpp), and does what frmMain asks of the window. Nothing is decided here
// but what only a browser needs: how a key, a paste, a drop or a composition reaches a box, the
// message box as a dialog, the beep as a tone, and what "Exit" can do in a tab.
'use strict';

const byName = (name) => document.getElementById(name);
const message = () => byName('message');
const client = () => document.querySelector('.client');
let audio = null;

// Called by frmMain, through frm_main_page.cpp.
const page = {
    text: (name) => byName(name).value,
    setText: (name, text) => { byName(name).value = text; },
    focus: () => (client().contains(document.activeElement) ? document.activeElement.id : ''),
    // Behind the message box nothing takes the focus: the browser gives it back to where it
    // was when the box closes.
    setFocus: (name) => byName(name).focus(),
    showMessage(text, title, style) {
        const dialog = message();
        byName('message-title').textContent = title;
        byName('message-text').textContent = text;
        const error = (style & 0xF0) === 0x10; // the Windows style of the error icon
        dialog.classList.toggle('error', error);
        dialog.setAttribute('role', error ? 'alertdialog' : 'dialog');
        dialog.showModal();
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
        document.querySelector('.window').hidden = true;
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

// Puts `text` where the box's selection is, as typing would.
function insert(box, text) {
    box.setRangeText(text, box.selectionStart, box.selectionEnd, 'end');
}

function wireBox(box) {
    const index = Number(box.id.match(/\((\d+)\)/)[1]);
    const inserted = (text) =>
        withText(text, (at) => Module.UTF16ToString(Module._brenvol_text_inserted(index, at)));
    box.addEventListener('keydown', (event) => {
        if (event.isComposing) return;
        const modifiers = event.ctrlKey | (event.altKey << 1) | (event.metaKey << 2);
        if (withText(event.key, (at) => Module._brenvol_key(index, at, modifiers))) {
            event.preventDefault();
        }
    });
    // Typing, pasting and dropping: the rule decides what goes in. Deleting stays the box's own.
    box.addEventListener('beforeinput', (event) => {
        if (!event.inputType.startsWith('insert') || event.isComposing ||
            event.inputType === 'insertCompositionText') return;
        event.preventDefault();
        insert(box, inserted(event.data ?? event.dataTransfer?.getData('text/plain') ?? ''));
    });
    // A composition (an input method) shows its text while it lasts; what it makes goes through
    // the rule in place of it.
    let before = null;
    box.addEventListener('compositionstart', () => {
        before = [box.value, box.selectionStart, box.selectionEnd];
    });
    box.addEventListener('compositionend', (event) => {
        [box.value, box.selectionStart, box.selectionEnd] = before;
        insert(box, inserted(event.data ?? ''));
    });
}

// Tab goes round the window, as in any window, rather than leaving for the browser.
function wrapTab(event) {
    if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) return;
    const focusable = [...client().querySelectorAll('input:enabled, button')];
    const at = focusable.indexOf(document.activeElement);
    const next = event.shiftKey ? (at <= 0 ? focusable.length - 1 : -1) : (at === focusable.length - 1 ? 0 : -1);
    if (next >= 0) {
        event.preventDefault();
        focusable[next].focus();
    }
}

// Narrower than the window, the screen shows it whole, scaled down.
function fit() {
    const window_ = document.querySelector('.window');
    window_.style.zoom = Math.min(1, (innerWidth - 16) / (window_.offsetWidth || 1)).toFixed(3);
}

// The decimal separator of the browser's first language.
function separator() {
    const parts = new Intl.NumberFormat(navigator.languages).formatToParts(1.5);
    return parts.find((part) => part.type === 'decimal')?.value ?? '.';
}

var Module = {
    page,
    onRuntimeInitialized() {
        client().querySelectorAll('input:enabled').forEach(wireBox);
        client().querySelectorAll('button').forEach((button) => {
            const index = Number(button.id.match(/\((\d+)\)/)[1]);
            button.addEventListener('click', () => Module._brenvol_click(index));
        });
        document.addEventListener('keydown', wrapTab);
        withText(separator(), (at) => Module._brenvol_load(at));
    },
};

addEventListener('resize', fit);
addEventListener('DOMContentLoaded', fit);
// Kept for offline use once the page has loaded, not competing with its first load.
addEventListener('load', () => navigator.serviceWorker?.register('sw.js'));
