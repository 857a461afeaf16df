// Captions with keyboard mnemonics: "&" marks the next character, "&&" shows an ampersand.

export interface ParsedCaption {
  /** The caption as shown, marks removed. */
  text: string;
  /** The marked character in lower case, or null. */
  key: string | null;
  /** Index of the marked character in the shown text, counted in characters; -1 for none. */
  index: number;
}

export function parseMnemonic(caption: string): ParsedCaption {
  const chars = [...caption];
  let text = '';
  let shown = 0;
  let key: string | null = null;
  let index = -1;
  for (let i = 0; i < chars.length; ++i) {
    const c = chars[i] ?? '';
    if (c === '&') {
      const next = chars[i + 1];
      if (next === undefined) break; // a lone trailing mark
      ++i;
      if (next !== '&' && key === null && next !== ' ') {
        key = next.toLocaleLowerCase();
        index = shown;
      }
      text += next;
      ++shown;
      continue;
    }
    text += c;
    ++shown;
  }
  return { text, key, index };
}

/** The mnemonic character an Alt key press names, in lower case, or null. */
export function mnemonicKeyOf(event: Pick<KeyboardEvent, 'altKey' | 'ctrlKey' | 'metaKey' | 'key' | 'code'>): string | null {
  if (!event.altKey || event.ctrlKey || event.metaKey) return null;
  // The key's own character where it is one; with AltGr or a layout that gives Alt a character,
  // the physical letter key.
  if ([...event.key].length === 1) return event.key.toLocaleLowerCase();
  const letter = /^Key([A-Z])$/.exec(event.code);
  return letter?.[1]?.toLowerCase() ?? null;
}
