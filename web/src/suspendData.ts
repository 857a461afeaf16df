// The notebook as a learning platform keeps it between attempts: SCORM 1.2 gives a lesson 4096
// characters of cmi.core.suspend_data, so the notebook's CSV and its burst marks travel deflated
// and in base64, behind a mark of the format.

import { deflateSync, inflateSync, strFromU8, strToU8 } from 'fflate';

/** SCORM 1.2's room for suspend_data, characters. */
export const SuspendDataRoom = 4096;
/** The format's mark; a text without it is no notebook of this page. */
const Mark = 'TSL1:';
/** Between the CSV and the marks: a character no CSV of the notebook holds. */
const Separator = '\u001e';

/** A notebook in suspend_data's form. */
export function encodeNotebook(csv: string, marks: string): string {
  const packed = deflateSync(strToU8(csv + Separator + marks), { level: 9 });
  let binary = '';
  for (const byte of packed) binary += String.fromCharCode(byte);
  return Mark + btoa(binary);
}

/** The notebook a suspend_data text holds, or null when it holds none that can be read. */
export function decodeNotebook(text: string): { csv: string; marks: string } | null {
  if (!text.startsWith(Mark)) return null;
  try {
    const binary = atob(text.slice(Mark.length));
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
    const whole = strFromU8(inflateSync(bytes));
    const at = whole.lastIndexOf(Separator);
    if (at < 0) return null;
    return { csv: whole.slice(0, at), marks: whole.slice(at + 1) };
  } catch {
    return null;
  }
}
