// Each identifier's notebook kept in the browser: the core's CSV text under a key of its own,
// written after every change, and beside it the rows marked as after an ionising burst (a mark
// the CSV does not hold). A stored text that is no notebook is kept aside under another key,
// never overwritten; storage that is full or refused leaves the notebook working in memory.

/** The part of the browser's Web Storage used here (localStorage, or a stand-in in tests). */
export interface TextStore {
  getItem(key: string): string | null;
  setItem(key: string, value: string): void;
}

/** The kinds of keys, each with a prefix of its own, so that no identifier's key is another's. */
const NotebookPrefix = 'tessilar.notebook:';
const MarksPrefix = 'tessilar.bursts:';
const AsidePrefix = 'tessilar.unreadable:';

/** The key of an identifier's notebook. */
export function notebookKey(identifier: string): string {
  return NotebookPrefix + identifier.trim();
}

/** Why storage did not take a notebook. */
export type StoreFault = 'full' | 'refused';

/** What opening an identifier's stored notebook came to. */
export type OpenOutcome =
  | { kind: 'new' }
  /** Read; `marks` are the rows marked as after a burst ("2,5"), "" for none. */
  | { kind: 'read'; marks: string }
  /** A text that is no notebook: kept aside under `aside`; a new notebook starts. */
  | { kind: 'setAside'; problem: string; aside: string }
  /** A text that is no notebook and could not be kept aside: left untouched, and nothing is
   *  written over it in this session. */
  | { kind: 'untouched'; problem: string };

/** The fault of a storage call that threw: full (a quota) or refused (storage off, private mode). */
export function storeFault(error: unknown): StoreFault {
  const name = typeof error === 'object' && error !== null && 'name' in error ? String(error.name) : '';
  return name === 'QuotaExceededError' || name === 'NS_ERROR_DOM_QUOTA_REACHED' ? 'full' : 'refused';
}

export class NotebookStorage {
  private key = '';
  private marksKey = '';
  private identifier = '';
  /** False while a stored text that is no notebook stays under the key. */
  private writable = false;

  /** `store` gives the browser's storage, or throws when the page may not have it. */
  constructor(private readonly store: () => TextStore) {}

  /**
   * Opens the identifier's notebook: `read` takes the stored CSV into the notebook and returns
   * null, or why it is no notebook (leaving the notebook empty). A storage that cannot be read at
   * all counts as a new notebook that is not kept.
   */
  open(identifier: string, read: (csv: string) => string | null, now: number): OpenOutcome {
    this.identifier = identifier.trim();
    this.key = notebookKey(identifier);
    this.marksKey = MarksPrefix + this.identifier;
    this.writable = true;
    let text: string | null;
    try {
      text = this.store().getItem(this.key);
    } catch {
      return { kind: 'new' };
    }
    if (text === null) return { kind: 'new' };
    const problem = read(text);
    if (problem === null) {
      let marks: string | null = null;
      try {
        marks = this.store().getItem(this.marksKey);
      } catch {
        // The rows without their marks.
      }
      return { kind: 'read', marks: marks ?? '' };
    }
    try {
      const aside = this.freeAsideKey(now);
      this.store().setItem(aside, text);
      return { kind: 'setAside', problem, aside };
    } catch {
      this.writable = false;
      return { kind: 'untouched', problem };
    }
  }

  /** Writes the notebook's CSV; null when kept, else why not. Nothing is written over a stored
   *  text that could not be kept aside. */
  save(csv: string, marks: string): StoreFault | null {
    if (!this.writable) return null;
    try {
      this.store().setItem(this.key, csv);
      this.store().setItem(this.marksKey, marks);
      return null;
    } catch (error) {
      return storeFault(error);
    }
  }

  /** Keeps a text that is no notebook (a learning platform's, say) aside under a key of its own,
   *  beside the identifier opened last; returns the key, or null when storage refused it. */
  keepAside(text: string, now: number): string | null {
    try {
      const aside = this.freeAsideKey(now);
      this.store().setItem(aside, text);
      return aside;
    } catch {
      return null;
    }
  }

  /** A key for a damaged text that holds nothing yet. */
  private freeAsideKey(now: number): string {
    const stamp = new Date(now).toISOString().replace(/[:.]/g, '-');
    for (let n = 1; ; ++n) {
      const aside = `${AsidePrefix}${this.identifier}:${stamp}${n > 1 ? `-${n}` : ''}`;
      if (this.store().getItem(aside) === null) return aside;
    }
  }
}
