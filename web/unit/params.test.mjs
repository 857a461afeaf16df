// The page's address parameters and the reader's locale.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { LanguageFolders, languageOfFolder, localeDecimalSeparator, readParameters } from '../build-unit/params.mjs';

test('the address chooses English only when it asks for it; Hungarian otherwise', () => {
  const cases = [
    ['', 'hu'],
    ['?lang=hu', 'hu'],
    ['?lang=en', 'en'],
    ['?lang=EN', 'en'],
    ['?lang=%20en%20', 'en'],
    ['?lang=de', 'hu'],
    ['?lang=', 'hu'],
    ['?x=1&lang=en', 'en'],
    ['?lang=en&lang=hu', 'en'],
    ['?lang=<script>', 'hu'],
  ];
  for (const [search, lang] of cases) assert.equal(readParameters(search).lang, lang, search);
});

test('each language has a folder, and the folder gives the language back', () => {
  for (const lang of ['hu', 'en']) assert.equal(languageOfFolder(LanguageFolders[lang]), lang);
  const cases = [['English', 'en'], ['ENGLISH', 'en'], ['Magyar', 'hu'], ['', 'hu'], ['Deutsch', 'hu']];
  for (const [folder, lang] of cases) assert.equal(languageOfFolder(folder), lang, folder);
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
