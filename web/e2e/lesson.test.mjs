// The teacher's side of a lesson in the page: the settings dialog and what it gives out (the
// address with a QR code a camera reads, a copy of the page with the settings inside), the copy
// opened from disk starting with them, an address that overrides one, and a damaged block that is
// passed over key by key.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { launchChromium } from './browser.mjs';
import { caption } from './catalogue.mjs';
import { collectDownloads, downloaded, key, waitForNotebookRows } from './measuring.mjs';
import { assertSelfContained, control, named, press, startExperiment, text } from './session.mjs';

const language = 'en';
const en = (n) => caption(language, n);
const lessonText = {
  teacher: 762, inForce: 763, calculations: 772, realAir: 774, classCode: 775, droplets: 776,
  address: 778, savePage: 780, qrCode: 791, charge: 510, pressure: 755,
};
const scratch = mkdtempSync(path.join(tmpdir(), 'tessilar-lesson-'));

let browser;
before(async () => { browser = await launchChromium(); });
after(async () => { await browser?.close(); });

/// The teacher's dialog brought up from the Help menu.
async function openTeacherDialog(session) {
  await press(session, text.help);
  await press(session, en(lessonText.teacher));
  return control(session.page, en(lessonText.address), ['textbox']);
}

/// What the page shows with the settings in force: the pressure field (real air) and whether
/// the notebook has its charge column.
async function shown(session) {
  const said = (n) => caption(session.language, n);
  const pressure = await session.page.$(named(said(lessonText.pressure), 'textbox'));
  await key(session, 'F7');
  const header = (await waitForNotebookRows(session, 0))[0];
  await key(session, 'Escape');
  return { realAir: pressure !== null, charges: header.includes(said(lessonText.charge)) };
}

describe("the teacher's settings", () => {
  let copy;

  it('the dialog gives the address, a QR code that reads back as it, and the page with them inside', async () => {
    const session = await startExperiment(browser, { language, identifier: 'Tanár Úr' });
    await collectDownloads(session);
    const address = await openTeacherDialog(session);
    await (await control(session.page, en(lessonText.calculations), ['checkbox'])).click();
    await (await control(session.page, en(lessonText.realAir), ['checkbox'])).click();
    const droplets = await control(session.page, en(lessonText.droplets), ['textbox']);
    await droplets.click({ count: 3 });
    await session.page.keyboard.type('3');
    const given = await address.evaluate((e) => e.value);
    assert.match(given, /\?lang=en&calculations=0&realair=1&droplets=3$/);
    const code = await session.page.$('#teacher-Image1 canvas');
    assert.equal(await code.evaluate((c) => c.getAttribute('aria-label')), en(lessonText.qrCode));
    const picture = path.join(scratch, 'qr.png');
    writeFileSync(picture, await code.screenshot({ type: 'png' }));
    assert.equal(execFileSync('zbarimg', ['--raw', '-q', picture], { encoding: 'utf8' }).trim(), given);
    copy = await downloaded(session, () => press(session, en(lessonText.savePage)));
    assert.ok(readFileSync(copy, 'utf8').includes('<script id="tessilar-settings" type="text/plain">lang=en&calculations=0&realair=1&droplets=3</script>'));
    assertSelfContained(session);
    await session.context.close();
  });

  it('the copy opened from disk starts with them; the address wins where it gives one', async () => {
    const inside = await startExperiment(browser, { language, file: copy, query: '' });
    assert.deepEqual(await shown(inside), { realAir: true, charges: false });
    await press(inside, text.help);
    await press(inside, text.about);
    await inside.page.waitForFunction((said) => document.body.innerText.includes(said), { timeout: 30_000 }, en(lessonText.inForce));
    assertSelfContained(inside);
    await inside.context.close();
    const overridden = await startExperiment(browser, { language, file: copy, query: '?realair=0&calculations=1' });
    assert.deepEqual(await shown(overridden), { realAir: false, charges: true });
    assertSelfContained(overridden);
    await overridden.context.close();
  });

  it('a damaged or hostile block is passed over key by key, the defaults kept', async () => {
    const hostile = path.join(scratch, 'hostile.html');
    const block = 'class=%3C%2Fscript%3E%3Cimg%20src%3Dx%3E&droplets=9999&lang=xx&realair=1&' + 'x'.repeat(300);
    writeFileSync(hostile, readFileSync(copy, 'utf8').replace(/(<script id="tessilar-settings" type="text\/plain">)[^<]*/, `$1${block}`));
    const session = await startExperiment(browser, { language: 'hu', file: hostile, query: '' });
    assert.deepEqual(await shown(session), { realAir: true, charges: true });
    assert.equal(await session.page.$$eval('img', (found) => found.length), 0, 'no markup from the block');
    assertSelfContained(session);
    await session.context.close();
  });
});
