// The page as a SCORM 1.2 activity of a learning platform: the platform's API found by the
// standard search of the parent and opener windows, the learner's name, the notebook kept in
// cmi.core.suspend_data, and the lesson's status, score and the charges reported. Outside a
// platform there is no API, and the page works on its own.

import type { LessonProgress } from './coreShapes';
import { SuspendDataRoom, encodeNotebook } from './suspendData';

/** SCORM 1.2's runtime API, as the platform gives it (every answer is a string). */
export interface ScormApi {
  LMSInitialize(parameter: string): string;
  LMSFinish(parameter: string): string;
  LMSGetValue(element: string): string;
  LMSSetValue(element: string, value: string): string;
  LMSCommit(parameter: string): string;
  LMSGetLastError(): string;
  LMSGetErrorString(code: string): string;
}

/** How many windows up the search goes, as the standard's sample does. */
const MostLevels = 7;

function apiOf(win: Window): ScormApi | null {
  try {
    const candidate = (win as unknown as { API?: unknown }).API;
    if (candidate && typeof candidate === 'object' && typeof (candidate as ScormApi).LMSInitialize === 'function') return candidate as ScormApi;
  } catch {
    // A window of another origin: no API can be had from it.
  }
  return null;
}

function searchUp(start: Window): ScormApi | null {
  let win: Window = start;
  for (let level = 0; level <= MostLevels; level++) {
    const api = apiOf(win);
    if (api) return api;
    let parent: Window | null = null;
    try {
      parent = win.parent;
    } catch {
      return null;
    }
    if (!parent || parent === win) return null;
    win = parent;
  }
  return null;
}

/** The platform's API: in this window or its parents, else in its opener's. */
export function findScormApi(win: Window): ScormApi | null {
  const found = searchUp(win);
  if (found) return found;
  try {
    return win.opener ? searchUp(win.opener as Window) : null;
  } catch {
    return null;
  }
}

/** Why the platform did not keep the notebook. */
export type KeepFault = { kind: 'tooLarge'; length: number } | { kind: 'refused'; why: string };

export class ScormSession {
  private finished = false;

  private constructor(private readonly api: ScormApi) {}

  /** The session with the platform, or null outside one (or when it will not start one). */
  static connect(win: Window): ScormSession | null {
    const api = findScormApi(win);
    if (!api) return null;
    try {
      if (api.LMSInitialize('') !== 'true') return null;
    } catch {
      return null;
    }
    const session = new ScormSession(api);
    const status = session.get('cmi.core.lesson_status');
    if (status === '' || status === 'not attempted') session.set('cmi.core.lesson_status', 'incomplete');
    return session;
  }

  /** The learner's name as the platform gives it ("Last, First"), or "". */
  studentName(): string {
    return this.get('cmi.core.student_name');
  }

  /** What an earlier attempt kept, or "". */
  suspendData(): string {
    return this.get('cmi.core.suspend_data');
  }

  /** Keeps the notebook and reports the lesson: null when the platform took it all. */
  keep(csv: string, marks: string, progress: LessonProgress): KeepFault | null {
    let fault: KeepFault | null = null;
    const data = encodeNotebook(csv, marks);
    if (data.length > SuspendDataRoom) fault = { kind: 'tooLarge', length: data.length };
    else if (!this.set('cmi.core.suspend_data', data)) fault = this.refused();
    this.report(progress);
    if (this.api.LMSCommit('') !== 'true' && fault === null) fault = this.refused();
    return fault;
  }

  /** The lesson's status and score, and every charge and the estimate as numeric interactions. */
  private report(progress: LessonProgress): void {
    this.set('cmi.core.lesson_status', progress.completed ? 'completed' : 'incomplete');
    this.set('cmi.core.score.min', '0');
    this.set('cmi.core.score.max', '100');
    this.set('cmi.core.score.raw', String(progress.score));
    const answers: [string, string][] = progress.charges.map((charge, i) => [`charge-${i + 1}`, charge]);
    if (progress.estimate !== null) answers.push(['estimate-e', progress.estimate]);
    answers.forEach(([id, value], n) => {
      this.set(`cmi.interactions.${n}.id`, id);
      this.set(`cmi.interactions.${n}.type`, 'numeric');
      this.set(`cmi.interactions.${n}.student_response`, value);
      this.set(`cmi.interactions.${n}.result`, 'neutral');
    });
  }

  /** Ends the session, once, as the page closes. */
  finish(): void {
    if (this.finished) return;
    this.finished = true;
    try {
      this.api.LMSFinish('');
    } catch {
      // The platform's window may be going away too.
    }
  }

  private get(element: string): string {
    try {
      return String(this.api.LMSGetValue(element) ?? '');
    } catch {
      return '';
    }
  }

  private set(element: string, value: string): boolean {
    try {
      return this.api.LMSSetValue(element, value) === 'true';
    } catch {
      return false;
    }
  }

  private refused(): KeepFault {
    try {
      const code = this.api.LMSGetLastError();
      return { kind: 'refused', why: `${code} ${this.api.LMSGetErrorString(code)}`.trim() };
    } catch {
      return { kind: 'refused', why: '' };
    }
  }
}
