// The page's languages and the reader's locale. The teacher's settings (`?lang=en`,
// `?calculations=0`, `?brownian=1`, `?realair=1`, `?class=CODE`, `?droplets=N`, or the same
// inside the page) are the core's to read (lab/Lesson.h).

export type LanguageCode = 'hu' | 'en';

/** The language folder of a language code: "" for the program folder's (Hungarian) catalogue. */
export const LanguageFolders: Readonly<Record<LanguageCode, string>> = { hu: '', en: 'English' };

/** The language code of a language folder of the core. */
export function languageOfFolder(folder: string): LanguageCode {
  return folder.toLowerCase() === 'english' ? 'en' : 'hu';
}

/** The decimal separator of the reader's locale, as the desktop takes the system's. */
export function localeDecimalSeparator(locales: readonly string[]): string {
  try {
    const part = new Intl.NumberFormat([...locales]).formatToParts(1.5).find((p) => p.type === 'decimal');
    return part?.value === ',' ? ',' : '.';
  } catch {
    return '.';
  }
}
