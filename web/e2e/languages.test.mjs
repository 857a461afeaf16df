// The page in every shipped language as a student there meets it: the title in the language and
// every caption inside its control (the main window's, the teacher's dialog's and the notebook
// window's); and in German, French and Spanish also a notebook file's fault told in the language
// and the report's PDF in the language, its letters (ä ö ü ß é è ç ñ …) coming back as text.
import { describe, it, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { launchChromium } from './browser.mjs';
import { caption, languages } from './catalogue.mjs';
import { chooseFiles, collectDownloads, downloaded, key, pdfText } from './measuring.mjs';
import { assertSelfContained, control, press, startExperiment, text } from './session.mjs';

const scratch = mkdtempSync(path.join(tmpdir(), 'tessilar-languages-'));
const said = {
  openCsv: 613, saveReport: 522, reportTitle: 526, identifierLine: 527, lineReason: 700,
  badDirection: 710, teacher: 762,
};
// Each language's student, named with its letters; the last three also read a notebook's fault
// and save a report.
const students = [
  { language: 'hu', identifier: 'Őri Ünige' },
  { language: 'en', identifier: 'Ann Smith' },
  { language: 'de', identifier: 'Jürgen Weiß', notebook: true },
  { language: 'fr', identifier: 'Françoise Lefèvre-Cœur', notebook: true },
  { language: 'es', identifier: 'Íñigo Peña', notebook: true },
];

let browser;
before(async () => { browser = await launchChromium(); });
after(async () => { await browser?.close(); });

/// The controls under `selector` whose caption runs past their room, as "name: text": a
/// button's or a check box's own width; a label's room ends at the nearest shown control to its
/// right on the same rows, or at its parent's right edge.
function overflowing(page, selector) {
  return page.$$eval(`${selector} .control, ${selector} .button`, (controls) => controls.filter((c) => {
    if (c.getClientRects().length === 0 || c.textContent.trim() === '') return false;
    if (c.matches('button, .checkbox')) return c.scrollWidth > c.clientWidth + 1;
    if (!c.matches('.label')) return false;
    const box = c.getBoundingClientRect();
    let room = c.parentElement.getBoundingClientRect().right;
    for (const other of c.parentElement.children) {
      if (other === c || !other.matches('.control') || other.getClientRects().length === 0) continue;
      const b = other.getBoundingClientRect();
      if (b.top < box.bottom && b.bottom > box.top && b.left > box.left) room = Math.min(room, b.left);
    }
    return box.right > room + 1;
  }).map((c) => `${c.dataset.name ?? c.className}: ${c.textContent}`));
}

describe('the page in every shipped language', () => {
  it('has a student for every shipped language', () => {
    assert.deepEqual(students.map((s) => s.language).sort(), [...languages].sort());
  });
  for (const { language, identifier, notebook } of students) {
    const what = notebook ? "the title, captions that fit, a notebook's fault and the report" : 'the title and captions that fit';
    it(`${language}: ${what} in the language`, async () => {
      const words = (n) => caption(language, n);
      // The title is the language's, with the identifier, before the session is handed over.
      const session = await startExperiment(browser, { language, identifier });
      await collectDownloads(session);
      await control(session.page, words(text.inject), ['button']);
      assert.deepEqual(await overflowing(session.page, '#main'), [], 'the main window');
      await press(session, text.help);
      await press(session, words(said.teacher));
      assert.deepEqual(await overflowing(session.page, '#teacher'), [], "the teacher's settings");
      await key(session, 'Escape');

      await key(session, 'F7');
      await control(session.page, words(said.openCsv), ['button']);
      assert.deepEqual(await overflowing(session.page, '#notebook'), [], 'the notebook window');
      if (notebook) {
        const damaged = path.join(scratch, `damaged-${language}.csv`);
        writeFileSync(damaged, 'droplet,ticks,distance_um,time_s,direction,voltage_V,temperature_C,speed_um_s,radius_um,charge_1e-19C\r\n1,30,300,5.5,sideways,0,20.00,,,\r\n');
        await chooseFiles(session, words(said.openCsv), [damaged]);
        const reason = words(said.lineReason).replace('%1', '2').replace('%2', words(said.badDirection).replace('%1', '"sideways"'));
        await session.page.waitForFunction((s) => document.body.innerText.includes(s), { timeout: 30_000, polling: 100 }, reason);
        await key(session, 'Escape');

        const pdf = await downloaded(session, () => press(session, words(said.saveReport)));
        // pdftotext gives a no-break space (French, before a colon) back as a space.
        const report = pdfText(pdf);
        const asRead = (s) => s.replace(/\u00a0/g, ' ');
        assert.ok(report.includes(asRead(words(said.reportTitle))), report);
        assert.ok(report.includes(asRead(words(said.identifierLine).replace('%1', identifier))), report);
      }
      assertSelfContained(session);
      await session.context.close();
    });
  }
});
