// node heard_test.mjs PROGRAM: what Orca says of the window, as a blind user meets it: each box's
// caption and each button's name as the focus comes to it, what is typed, the results after
// "Calcola" (once, the focus staying in its box), the warning's title and text, then the box the
// focus is back in. Runs within with_orca.sh, on the X display of desktop_session.sh, whose
// keyboard xdotool drives.
import assert from 'node:assert/strict';
import { execFileSync, spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { after, test } from 'node:test';

// Orca's utterances, in order, from its log.
const utterances = () => [...readFileSync(process.env.ORCA_LOG, 'utf8')
    .matchAll(/SPEECH OUTPUT: '(.*)' ?\{'established/g)].map(([, said]) => said.trim());
const spoken = [];
after(() => console.log(`Orca said:\n${spoken.map((line) => `  ${line}`).join('\n')}`));

// Presses `keys` (xdotool's names, or a text in quotes, typed), then waits until Orca has said
// something matching `pattern` (since utterance `from`); returns what it said, up to and including it.
async function press(keys, pattern, from = utterances().length) {
    for (const key of keys) {
        execFileSync('xdotool', key.startsWith('"') ? ['type', '--delay', '40', key.slice(1, -1)] : ['key', key]);
    }
    for (const deadline = Date.now() + 30000; ;) {
        const said = utterances().slice(from), heard = said.slice(0, said.findIndex((line) => pattern.test(line)) + 1);
        spoken.push(...heard);
        if (heard.length) return heard;
        assert.ok(Date.now() < deadline, `Orca never said ${pattern}; it said: ${JSON.stringify(said)}`);
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}

test('Orca over the window', { timeout: 240000 }, async (t) => {
    await press([], /Screen reader on/, 0);
    const from = utterances().length;
    const program = spawn(process.argv[2], [], { stdio: 'inherit' });
    after(() => program.kill());
    // The window has the keyboard, as after a click on it: a window manager may keep it from a
    // window that opens while the machine is busy.
    const [id] = execFileSync('xdotool', ['search', '--sync', '--onlyvisible', '--pid', `${program.pid}`])
        .toString().split('\n');
    execFileSync('xdotool', ['windowactivate', '--sync', id]);
    await press([], /^Corrente di ricarica text/, from);  // ready: the focus in the first box

    await t.test('each caption and name as the focus comes to it, and what is typed', async () => {
        await press(['Tab'], /^Capacità Pacco Batterie/);
        await press(['shift+Tab'], /^Corrente di ricarica/);
        await press(['"100"'], /^0$/);
        await press(['Tab'], /^Capacità Pacco Batterie/);
        await press(['"1000"'], /^0$/);
    });
    await t.test('"Calcola" says the results once, and the focus stays in its box', async () => {
        const answer = await press(['Return'], /14 Ore 0 Minuti 0 Secondi/);
        const next = await press(['Tab'], /^Calcola/);  // on from the capacity's box
        assert.equal([...answer, ...next].filter((line) => /Ore/.test(line)).length, 1,
            `the results once: ${JSON.stringify([...answer, ...next])}`);
        await press(['Tab'], /^Exit/);
    });
    await t.test('the warning says its title and text, then the box the focus is back in', async () => {
        await press(['shift+Tab', 'shift+Tab'], /^Capacità Pacco Batterie/);
        const warning = await press(['End', 'BackSpace', 'BackSpace', 'BackSpace', 'BackSpace', 'Return'],
            /Controllare parametri inseriti/);
        assert.ok(warning.some((line) => /Attenzione/.test(line)), `the title: ${JSON.stringify(warning)}`);
        await press(['Return'], /^Capacità Pacco Batterie/);
    });
});
