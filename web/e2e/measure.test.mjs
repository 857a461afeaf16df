// Measuring in the page as a student does: a droplet followed by a click or from the keyboard,
// rows timed with F5 and F6 and recorded with F8, found again after a reload, the notebook's files
// exported, opened and turned into reports, checked against what the desktop program reads and
// writes.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { launchChromium, repositoryRoot } from './browser.mjs';
import { caption } from './catalogue.mjs';
import {
  captionMatching, chooseFiles, clickSlowestDroplet, collectDownloads, desktopReport, downloaded, key, microscopeBox,
  pdfText, waitForFollowed, waitForNotebookRows,
} from './measuring.mjs';
import { assertSelfContained, control, fixedCaption, named, press, startExperiment, text } from './session.mjs';

const language = 'en';
const identifier = 'Árvíztűrő Tükörfúrógép';
const desktopCsv = path.join(repositoryRoot, 'docs/notebook/demo-student.csv');
const classFolder = path.join(repositoryRoot, 'docs/class/notebooks');
const realAirCsv = path.join(repositoryRoot, 'docs/real-air/real-air.csv');
const scratch = mkdtempSync(path.join(tmpdir(), 'tessilar-measure-'));
const notebookText = {
  title: 500, droplet: 501, radius: 509, charge: 510, deleteRows: 514, exportCsv: 515,
  saveReport: 522, reportTitle: 526, identifierLine: 527, lineReason: 700, tooLong: 701, badDirection: 710,
  classTitle: 720, classLine: 721, codeUnsafe: 733, answerKey: 735, chamber: 745, classCode: 750,
  realAir: 751, pressure: 755, extrapolationPlot: 761,
};
const measuringButton = { menu: 20, record: 625, notebook: 21, ionise: 22, brownian: 23 };
/// The rows the second group of tests records.
const recorded = 4;
const en = (n) => caption(language, n);

let browser;
before(async () => { browser = await launchChromium(); });
after(async () => { await browser?.close(); });

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

/// F5, about `seconds` of wall time, F6 and F8: one timing recorded.
async function timeAndRecord(session, seconds = 2) {
  await key(session, 'F5');
  await pause(seconds * 1000);
  await key(session, 'F6');
  await key(session, 'F8');
}

/// The notebook window brought up with F7; its rows, header first, once it has `count`.
async function notebookWith(session, count) {
  await key(session, 'F7');
  return waitForNotebookRows(session, count);
}

/// Esc while a modal window (the notebook, a message) is up, until none is.
async function closeModal(session) {
  for (let attempt = 0; attempt < 5; attempt++) {
    if (!(await session.page.$('dialog:modal'))) return;
    await key(session, 'Escape');
    await pause(300);
  }
  assert.fail('a modal window stays up after Esc');
}

/// The table's rows without the burst's mark, which belongs to the session, as on the desktop:
/// the notebook file has no column for it.
const unmarked = (rows) => rows.map((row) => row.map((cell) => cell.replace(/\s*⚡/u, '')));

/// A regular expression for a catalogue text, its %n places taken by `values` (or any text).
function textPattern(n, values = {}) {
  let pattern = en(n).replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  for (let i = 1; i <= 5; i++) {
    const value = values[i];
    pattern = pattern.replace(`%${i}`, value === undefined ? '.+?' : String(value).replace(/[.*+?^${}()|[\]\\]/g, '\\$&'));
  }
  return new RegExp(pattern);
}

/// Fresh droplets, once the injection's drift has died down (it carries them fast at first).
async function injectAndSettle(session) {
  await press(session, text.inject);
  await pause(5000);
}

describe('following a droplet', () => {
  let session;
  before(async () => {
    session = await startExperiment(browser, { language, identifier: 'Követő Kálmán' });
  });
  after(async () => { assertSelfContained(session); await session.context.close(); });

  it('from the keyboard: Space follows, an arrow moves the choice, Esc lets go', async () => {
    await injectAndSettle(session);
    const { handle } = await microscopeBox(session);
    await handle.focus();
    await key(session, 'Escape');
    await waitForFollowed(session, false);
    await key(session, 'Space');
    await waitForFollowed(session);
    await key(session, 'ArrowDown');
    await key(session, 'ArrowUp');
    await waitForFollowed(session);
    await key(session, 'Escape');
    await waitForFollowed(session, false);
  });

  it('a click on the slowest droplet follows it; the row names it', async () => {
    await injectAndSettle(session);
    await clickSlowestDroplet(session);
    await waitForFollowed(session);
    await timeAndRecord(session);
    const rows = await notebookWith(session, 1);
    const dropletColumn = rows[0].indexOf(en(notebookText.droplet));
    assert.ok(dropletColumn >= 0, `no droplet column in ${rows[0]}`);
    assert.match(rows[1][dropletColumn], /^\d+$/, 'the followed droplet is not in the row');
    await closeModal(session);
  });
});

describe('rows timed, recorded and kept', () => {
  let session;
  let rowsBefore;
  before(async () => {
    session = await startExperiment(browser, { language, identifier });
    await collectDownloads(session);
    await press(session, text.inject);
  });
  after(async () => { assertSelfContained(session); await session.context.close(); });

  it('F5 F6 F8 and the buttons record rows; after F9 or Ionise the next row carries the mark', async () => {
    await timeAndRecord(session);
    await key(session, 'F9');
    await timeAndRecord(session, 1);
    // The same by the on-screen buttons, for a student without a keyboard.
    await press(session, fixedCaption.start);
    await pause(1000);
    await press(session, fixedCaption.stop);
    await press(session, en(measuringButton.record));
    await (await control(session.page, en(measuringButton.ionise), ['button'])).click();
    await timeAndRecord(session, 1);
    await (await control(session.page, en(measuringButton.notebook), ['button'])).click();
    const rows = await waitForNotebookRows(session, recorded);
    const marked = rows.slice(1).map((row) => row.join(' ').includes('⚡'));
    assert.deepEqual(marked, [false, true, false, true]);
    rowsBefore = rows;
  });

  it('after a reload the same identifier finds its rows again', async () => {
    await session.page.reload({ waitUntil: 'load' });
    const field = await control(session.page, caption(language, text.promptLabel), ['textbox', undefined]);
    await field.type(identifier);
    await key(session, 'Enter');
    assert.deepEqual(unmarked(await notebookWith(session, recorded)), unmarked(rowsBefore));
  });

  it('Export CSV gives the desktop header and line ends; the desktop reads it', async () => {
    const csv = await downloaded(session, () => press(session, en(notebookText.exportCsv)));
    const bytes = readFileSync(csv, 'latin1');
    const desktopHeader = readFileSync(desktopCsv, 'latin1').split('\r\n')[0];
    const lines = bytes.split('\r\n');
    assert.equal(lines[0], desktopHeader);
    assert.equal(lines.at(-1), '', 'the file does not end with CR LF');
    assert.equal(lines.length, 1 + recorded + 1);
    assert.ok(!bytes.replaceAll('\r\n', '').includes('\n'), 'a line ends without CR');
    copyFileSync(csv, path.join(scratch, 'exported.csv'));
    desktopReport(path.join(scratch, 'exported.csv'), path.join(scratch, 'exported.pdf'));
  });

  it('a damaged or too long file gets its reason and changes nothing', async () => {
    const lines = readFileSync(desktopCsv, 'utf8').split('\r\n');
    lines[2] = lines[2].replace(/,(fall|rise|balanced),/, ',sideways,');
    const damaged = path.join(scratch, 'damaged.csv');
    writeFileSync(damaged, lines.join('\r\n'));
    const tooLong = path.join(scratch, 'too-long.csv');
    writeFileSync(tooLong, Buffer.alloc(5 * 1024 * 1024 + 1, 'x'));
    const cases = [
      [damaged, en(notebookText.lineReason).replace('%1', '3')
        .replace('%2', en(notebookText.badDirection).replace('%1', '"sideways"'))],
      [tooLong, en(notebookText.tooLong).replace('%1', '4')],
    ];
    for (const [file, reason] of cases) {
      await chooseFiles(session, captionMatching(language, /^Open CSV/), [file]);
      await session.page.waitForFunction((said) => document.body.innerText.includes(said),
        { timeout: 30_000, polling: 100 }, reason);
      await closeModal(session);
      assert.deepEqual(unmarked(await notebookWith(session, recorded)), unmarked(rowsBefore));
    }
  });

  it('Save report gives the PDF with the identifier in its Hungarian letters', async () => {
    const pdf = await downloaded(session, () => press(session, en(notebookText.saveReport)));
    const said = pdfText(pdf);
    assert.ok(said.includes(en(notebookText.reportTitle)), said);
    assert.ok(said.includes(en(notebookText.identifierLine).replace('%1', identifier)), said);
  });
});

describe('the desktop notebook in the page', () => {
  it('opened and exported again, byte for byte the same', async () => {
    const session = await startExperiment(browser, { language, identifier: 'Kovács Anna' });
    await collectDownloads(session);
    await key(session, 'F7');
    await chooseFiles(session, captionMatching(language, /^Open CSV/), [desktopCsv]);
    const rows = readFileSync(desktopCsv, 'latin1').split('\r\n').length - 2;
    await waitForNotebookRows(session, rows);
    const csv = await downloaded(session, () => press(session, en(notebookText.exportCsv)));
    assert.ok(readFileSync(csv).equals(readFileSync(desktopCsv)), 'the exported bytes differ');
    assertSelfContained(session);
    await session.context.close();
  });

  it('?calculations=0: no radius or charge column', async () => {
    const session = await startExperiment(browser, { language, query: '?lang=en&calculations=0' });
    const header = (await notebookWith(session, 0))[0];
    assert.ok(header.includes(en(notebookText.droplet)), `header ${header}`);
    assert.ok(!header.includes(en(notebookText.charge)) && !header.includes(en(notebookText.radius)),
      `header ${header}`);
    assertSelfContained(session);
    await session.context.close();
  });

  it('?brownian=1: the Measurement menu shows Brownian motion checked, and its item unchecks it', async () => {
    const session = await startExperiment(browser, { language, query: '?lang=en&brownian=1' });
    const item = async () => {
      await press(session, en(measuringButton.menu));
      const found = await control(session.page, en(measuringButton.brownian), ['menuitemcheckbox']);
      return { found, checked: await found.evaluate((e) => e.getAttribute('aria-checked')) };
    };
    const first = await item();
    assert.equal(first.checked, 'true');
    await first.found.click();
    assert.equal((await item()).checked, 'false');
    assertSelfContained(session);
    await session.context.close();
  });

  it('the class report from several notebooks at once', async () => {
    const session = await startExperiment(browser, { language, identifier: 'Tanár Úr' });
    await collectDownloads(session);
    await key(session, 'F7');
    const files = readdirSync(classFolder).filter((f) => f.endsWith('.csv'))
      .map((f) => path.join(classFolder, f));
    const pdf = await downloaded(session,
      () => chooseFiles(session, captionMatching(language, /^Class report/), files));
    const said = pdfText(pdf);
    assert.ok(said.includes(en(notebookText.classTitle)), said);
    // The class's line, and the pooled estimate the desktop gave for the same files.
    assert.match(said, textPattern(notebookText.classLine, { 1: files.length, 2: 28 }));
    assert.match(said, /e = 1[.,]607/);
    assertSelfContained(session);
    await session.context.close();
  });
});

describe('the assessed chamber', () => {
  it('?class=CODE: the rows name the student, the spray and the bursts; the class report checks them', async () => {
    const code = '11.A fizika';
    const student = 'Kovács, "Anna"';
    const session = await startExperiment(browser, { language, query: `?lang=en&class=${encodeURIComponent(code)}`, identifier: student });
    await collectDownloads(session);
    await injectAndSettle(session);
    const { handle } = await microscopeBox(session);
    await handle.focus();
    await key(session, 'Space');
    await waitForFollowed(session);
    await timeAndRecord(session, 1);
    await key(session, 'F9');
    await timeAndRecord(session, 1);
    await notebookWith(session, 2);
    const csv = readFileSync(await downloaded(session, () => press(session, en(notebookText.exportCsv))), 'utf8');
    const lines = csv.split('\r\n');
    assert.match(lines[1], /,"Kovács, ""Anna""",1,0,$/, csv);
    assert.match(lines[2], /,"Kovács, ""Anna""",1,1,$/, csv);
    const notebook = path.join(scratch, 'anna (1).csv');
    writeFileSync(notebook, csv);
    // The class report with the code is the answer key.
    const field = await control(session.page, en(notebookText.classCode), ['textbox']);
    await field.type(code);
    const pdf = await downloaded(session, () => chooseFiles(session, captionMatching(language, /^Class report/), [notebook]));
    const said = pdfText(pdf);
    assert.ok(said.includes(en(notebookText.answerKey).replace('%1', code)), said);
    assert.ok(said.includes(en(notebookText.chamber)), said);
    assertSelfContained(session);
    await session.context.close();
  });

  it('a class code that cannot be used is said, and the chamber is sprayed at random', async () => {
    const session = await startExperiment(browser, { language, query: '?lang=en&class=%3Cb%3Ex%3C%2Fb%3E', identifier: 'Béla' });
    await session.page.waitForFunction((said) => document.body.innerText.includes(said),
      { timeout: 30_000, polling: 100 }, en(notebookText.codeUnsafe));
    assert.equal(await session.page.$$eval('b', (found) => found.length), 0, 'the code is shown as text');
    assertSelfContained(session);
    await session.context.close();
  });
});

describe('real air', () => {
  it('the Real air item brings the pressure field; out of range it keeps the last good pressure', async () => {
    const session = await startExperiment(browser, { language, identifier: 'Lab 2' });
    await collectDownloads(session);
    const pressure = () => control(session.page, en(notebookText.pressure), ['textbox']);
    assert.equal(await session.page.$(named(en(notebookText.pressure), 'textbox')), null, 'hidden in the ideal chamber');
    await press(session, en(measuringButton.menu));
    await (await control(session.page, en(notebookText.realAir), ['menuitemcheckbox'])).click();
    const field = await pressure();
    // Each key applies what the field holds when it is a pressure; "0.5" and "-3" never are.
    for (const [typed, shown] of [['20', ' 20.0'], ['0.5', ' 20.0'], ['-3', ' 20.0'], ['105', '105.0']]) {
      await field.click({ count: 3 });
      await session.page.keyboard.type(typed);
      await key(session, 'Enter');
      assert.equal(await field.evaluate((e) => e.value), shown, typed);
    }
    await timeAndRecord(session, 1);
    await notebookWith(session, 1);
    const csv = readFileSync(await downloaded(session, () => press(session, en(notebookText.exportCsv))), 'utf8');
    assert.match(csv.split('\r\n')[1], /,105\.00$/, csv);
    assertSelfContained(session);
    await session.context.close();
  });

  it('a notebook timed at two pressures: the page gives the desktop\'s corrected and extrapolated e', async () => {
    const printed = desktopReport(realAirCsv, path.join(scratch, 'real-air.pdf')).split('\n');
    const [, corrected] = /^e = (\S+) C/.exec(printed[0]) ?? [];
    const [, e, b, droplets] = /^extrapolated: e = (\S+) C \+- \S+ C, b = (\S+) Pa m \+- \S+ Pa m from (\d+) droplets$/.exec(printed[1]) ?? [];
    assert.ok(corrected && e && b && droplets, printed.join('\n'));
    const session = await startExperiment(browser, { language, identifier: 'Lab 3' });
    await key(session, 'F7');
    await chooseFiles(session, captionMatching(language, /^Open CSV/), [realAirCsv]);
    await session.page.waitForSelector('canvas.notebook-extrapolation:not([hidden])', { timeout: 30_000 });
    const plotName = await session.page.$eval('canvas.notebook-extrapolation', (c) => c.getAttribute('aria-label') ?? '');
    assert.match(plotName, textPattern(notebookText.extrapolationPlot));
    const said = await session.page.$eval('#notebook-extrapolated', (p) => p.textContent ?? '');
    const estimate = await session.page.$eval('#notebook-estimate', (p) => p.textContent ?? '');
    const figure = (pattern, within) => Number((pattern.exec(within) ?? [])[1]?.replace(',', '.'));
    assert.ok(Math.abs(figure(/e = ([\d.,]+) ±/, said) - Number(e) / 1e-19) < 6e-4, `${said} / ${printed[1]}`);
    assert.ok(Math.abs(figure(/b = ([\d.,]+) ±/, said) - Number(b) / 1e-3) < 6e-3, `${said} / ${printed[1]}`);
    assert.ok(said.includes(`${droplets} droplets`), said);
    assert.ok(Math.abs(figure(/e = ([\d.,]+) ±/, estimate) - Number(corrected) / 1e-19) < 6e-4, `${estimate} / ${printed[0]}`);
    assertSelfContained(session);
    await session.context.close();
  });
});
