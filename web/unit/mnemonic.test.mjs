// Captions with "&" mnemonics: what is shown, which key presses the control.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { mnemonicKeyOf, parseMnemonic } from '../build-unit/mnemonic.mjs';

test('a caption shows without its marks and names its marked character', () => {
  const cases = [
    // caption, shown, key, index of the key in the shown text
    ['&Befecskendezés', 'Befecskendezés', 'b', 0],
    ['Be/&Ki', 'Be/Ki', 'k', 3],
    ['&Őrszem', 'Őrszem', 'ő', 0],
    ['Fish && &Chips', 'Fish & Chips', 'c', 7],
    ['a&&b&c', 'a&bc', 'c', 3],
    ['Start/Reset', 'Start/Reset', null, -1],
    ['trailing&', 'trailing', null, -1],
    ['&&', '&', null, -1],
    ['& space', ' space', null, -1],
    ['&First &Second', 'First Second', 'f', 0],
    ['', '', null, -1],
  ];
  for (const [caption, text, key, index] of cases) {
    assert.deepEqual(parseMnemonic(caption), { text, key, index }, caption);
  }
});

test('only Alt alone with a letter is a mnemonic key', () => {
  const press = (key, code, modifiers = {}) => ({
    key, code, altKey: true, ctrlKey: false, metaKey: false, ...modifiers,
  });
  const cases = [
    [press('b', 'KeyB'), 'b'],
    [press('B', 'KeyB'), 'b'],
    [press('ő', 'Equal'), 'ő'],
    // A layout whose Alt gives a dead key or another symbol: the physical letter counts.
    [press('Dead', 'KeyK'), 'k'],
    [press('Unidentified', 'Digit1'), null],
    [press('b', 'KeyB', { altKey: false }), null],
    [press('b', 'KeyB', { ctrlKey: true }), null],
    [press('b', 'KeyB', { metaKey: true }), null],
  ];
  for (const [event, expected] of cases) {
    assert.equal(mnemonicKeyOf(event), expected, JSON.stringify(event));
  }
});
