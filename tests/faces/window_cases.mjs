// The window's cases (window_cases.txt), read once and run in any face. A face gives a pair of
// hands: open() a new window, act(action) with its platform's real input, and state(), the
// window as the table describes it. Each case a face cannot run is reported with the table's
// reason, through node:test's skip, so that none is left out silently.
//   node window_cases.mjs FACE PROGRAM...: a desktop face's hands, PROGRAM, which takes one
//   command a line and answers each with a line: "open", "key Ctrl+V", "type TEXT",
//   "clipboard TEXT", "click Command1(0)", "middle-click" and "drop" answer "ok"; "state" the
//   state as JSON. A TEXT is its UTF-16 code units, each in four hexadecimal digits.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createInterface } from 'node:readline';
import { after, test } from 'node:test';

const BOXES = ['Text1(0)', 'Text1(1)', 'Text2(0)', 'Text2(1)', 'Text2(2)'];

// A text of the table: "..." with \" \\ \t, repeated by *N, joined by +.
export const text = (word) => [...word.matchAll(/"((?:[^"\\]|\\.)*)"(?:\*(\d+))?/g)]
    .map(([, quoted, times]) => quoted.replace(/\\(.)/g, (_, c) => (c === 't' ? '\t' : c))
        .repeat(Number(times ?? 1))).join('');

function readCases() {
    const cases = [];
    readFileSync(new URL('window_cases.txt', import.meta.url), 'utf8').split('\n').forEach((line, at) => {
        const [word, ...rest] = line.match(/(?:"(?:[^"\\]|\\.)*"|\S)+/g) ?? [];
        const c = cases.at(-1);
        if (word === 'case') {
            cases.push({ title: `line ${at + 1}: ${line.slice(4).trim()}`, actions: [], leftOut: [],
                want: { boxes: ['', '', '', '', ''], beeps: 0, focus: '', warning: '', icon: '', closed: false } });
        } else if (word === 'do') {
            c.actions = rest;
        } else if (word === 'then') {
            for (const item of rest) {
                const [name, value] = [item.split('=')[0], item.slice(item.indexOf('=') + 1)];
                if (name === 'Text2') c.want.boxes.splice(2, 3, ...text(value).split(' '));
                else if (BOXES.includes(name)) c.want.boxes[BOXES.indexOf(name)] = text(value);
                else if (name === 'closed') c.want.closed = true;
                else c.want[name] = name === 'beeps' ? Number(value) : /^(warning|said)$/.test(name) ? text(value) : value;
            }
            c.want.focus ||= c.want.closed || c.want.warning ? 'none' : 'Text1(0)';
            const [hours, minutes, seconds] = c.want.boxes.slice(2);
            c.want.said ??= hours ? `${hours} Ore ${minutes} Minuti ${seconds} Secondi` : '';
        } else if (word === 'not') {
            c.leftOut.push([rest[0].slice(0, -1), line.slice(line.indexOf(':') + 1).trim()]);
        }
    });
    return cases;
}

// Each case as a test of its own, in `face` ("qt-x11", "win32", "web-chromium", ...).
export function runCases(face, hands) {
    for (const c of readCases()) {
        const why = c.leftOut.find(([who]) => face === who || face.startsWith(`${who}-`))?.[1];
        // A case whose window never settles fails, and says which it is, rather than wait on.
        test(c.title, { skip: why, timeout: 60000 }, async () => {
            await hands.open(c);
            for (const action of c.actions) await hands.act(action);
            assert.deepEqual(await hands.state(), c.want);
        });
    }
}

// A desktop face's hands: its program, a command and its answer a line each.
if (process.argv[1] === new URL(import.meta.url).pathname) {
    const [face, ...program] = process.argv.slice(2);
    const hands = spawn(program[0], program.slice(1), { stdio: ['pipe', 'pipe', 'inherit'] });
    hands.stdin.on('error', () => {});  // hands that have gone: each ask after fails by itself
    const answers = createInterface({ input: hands.stdout })[Symbol.asyncIterator]();
    // Hands that give no answer for a minute are stuck: they go, and every case after fails at
    // once rather than wait its turn.
    const ask = async (command) => {
        hands.stdin.write(`${command}\n`);
        let stuck;
        const { value } = await Promise.race([answers.next(), new Promise((resolve) => {
            stuck = setTimeout(() => { hands.kill(); resolve({}); }, 60000);
        })]);
        clearTimeout(stuck);
        assert.ok(value !== undefined, `${program[0]} gave no answer to: ${command}`);
        return value;
    };
    const hex = (value) => [...Array(value.length).keys()]
        .map((i) => value.charCodeAt(i).toString(16).padStart(4, '0')).join('');
    const command = (action) => (action.startsWith('"') ? `type ${hex(text(action))}`
        : action.startsWith('clipboard=') ? `clipboard ${hex(text(action))}`
        : action.startsWith('click:') ? `click ${action.slice(6)}`
        : /^(drop|middle-click)$/.test(action) ? action : `key ${action}`);
    runCases(face, { open: () => ask('open'), act: (action) => ask(command(action)),
        state: async () => JSON.parse(await ask('state')) });
    after(() => hands.stdin.end());
}
