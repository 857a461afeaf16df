// The teacher's settings as the page reads them (the core, from inside the page and from the
// address), the page's languages and the reader's locale.
import assert from 'node:assert/strict';
import { before, test } from 'node:test';
import { LanguageFolders, languageOfCode, languageOfFolder, localeDecimalSeparator } from '../build-unit/params.mjs';
import { loadCore } from './wasmCore.mjs';

let core;
before(async () => { core = await loadCore(); });
const settings = (embedded, search) => JSON.parse(core.withString(embedded, (e) =>
  core.withString(search, (q) => core.text(core.m._tess_lesson_settings(e, q)))));

test('the address chooses a shipped language only when it asks for one; Hungarian otherwise', () => {
  const cases = [
    ['', 'hu'],
    ['?lang=hu', 'hu'],
    ['?lang=en', 'en'],
    ['?lang=EN', 'en'],
    ['?lang=%20en%20', 'en'],
    ['?lang=de', 'de'],
    ['?lang=FR', 'fr'],
    ['?lang=es', 'es'],
    ['?lang=fi', 'hu'],
    ['?lang=', 'hu'],
    ['?x=1&lang=en', 'en'],
    ['?lang=en&lang=hu', 'en'],
    ['?lang=<script>', 'hu'],
  ];
  for (const [search, lang] of cases) assert.equal(settings('', search).lang ?? 'hu', lang, search);
});

test("the teacher's switches: calculations off only when asked, Brownian motion on only when asked", () => {
  const cases = [
    ['', true, false],
    ['?calculations=0', false, false],
    ['?calculations=false&brownian=1', false, true],
    ['?calculations=1&brownian=0', true, false],
    ['?brownian=yes&lang=en', true, true],
    ['?calculations=maybe&brownian=maybe', true, false],
    ['?calculations=%20OFF%20', false, false],
  ];
  for (const [search, calculations, brownian] of cases) {
    const given = settings('', search);
    assert.deepEqual([given.calculations ?? true, given.brownian ?? false], [calculations, brownian], search);
  }
});

test('settings inside the page start it; the address wins where it gives one; bad values are passed over', () => {
  const inside = 'lang=en&calculations=0&brownian=1&droplets=5&class=11.A';
  const cases = [
    // inside the page, the address, what is in force
    [inside, '', { lang: 'en', calculations: false, brownian: true, droplets: 5, classCode: '11.A' }],
    [inside, '?lang=hu&droplets=12', { lang: 'hu', calculations: false, droplets: 12 }],
    ['class=%3Cb%3Ex&droplets=500&color=red&realair=maybe', '', { classCode: null, droplets: null, realAir: null }],
    ['x'.repeat(5000), '?brownian=1', { lang: null, brownian: true }],
  ];
  for (const [embedded, search, wanted] of cases) {
    const got = settings(embedded, search);
    for (const [key, value] of Object.entries(wanted)) assert.deepEqual(got[key], value, `${embedded.slice(0, 40)} ${search} ${key}`);
  }
  assert.deepEqual(settings('class=%3Cb%3Ex&droplets=500&color=red', '').ignored.length, 3);
  // An address's class code that cannot be used reaches the student, who is told.
  assert.equal(settings('', '?class=%3Cb%3E').classCode, '<b>');
});

test('each language has a folder, and the folder gives the language back', () => {
  for (const lang of ['hu', 'en', 'de', 'fr', 'es']) {
    assert.equal(languageOfFolder(LanguageFolders[lang]), lang);
    assert.equal(languageOfCode(lang), lang);
  }
  const cases = [['English', 'en'], ['ENGLISH', 'en'], ['Magyar', 'hu'], ['', 'hu'], ['Deutsch', 'de'],
    ['français', 'fr'], ['Español', 'es'], ['Suomi', 'hu']];
  for (const [folder, lang] of cases) assert.equal(languageOfFolder(folder), lang, folder);
  for (const code of [null, '', 'fi', 'toString']) assert.equal(languageOfCode(code), 'hu', String(code));
});

test('numbers are written with the decimal separator of the reader\'s locale', () => {
  const cases = [
    [['hu-HU'], ','],
    [['de-DE', 'en-US'], ','],
    [['en-GB'], '.'],
    [['en-US', 'hu-HU'], '.'],
    [['not a locale!'], '.'],
  ];
  for (const [locales, separator] of cases) {
    assert.equal(localeDecimalSeparator(locales), separator, locales.join());
  }
});
