// The shipped text catalogues, read the way assistive technology names the controls: a caption's
// "&" mnemonic marker is dropped ("&&" stays one ampersand).
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { repositoryRoot } from './browser.mjs';

const folders = { hu: 'Magyar', en: 'English', de: 'Deutsch', fr: 'Français', es: 'Español' };
const cache = new Map();

function entries(language) {
  if (!cache.has(language)) {
    const file = path.join(repositoryRoot, 'dist', folders[language], 'Tessilar.ini');
    const texts = new Map();
    for (const line of readFileSync(file, 'utf8').split(/\r?\n/)) {
      const match = /^S(\d{4})=(.*)$/.exec(line);
      if (match) texts.set(Number(match[1]), match[2]);
    }
    cache.set(language, texts);
  }
  return cache.get(language);
}

/// The catalogue text with the given number, as it is shown (mnemonic marker removed).
export function caption(language, number) {
  const text = entries(language).get(number);
  if (text === undefined) throw new Error(`no text ${number} in the ${language} catalogue`);
  return text.replace(/&(&?)/g, '$1');
}

export const languages = Object.keys(folders);
