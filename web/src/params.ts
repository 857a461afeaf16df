// The page's languages and the reader's locale. The teacher's settings (`?lang=en`,
// `?calculations=0`, `?brownian=1`, `?realair=1`, `?class=CODE`, `?droplets=N`, or the same
// inside the page) are the core's to read (lab/Lesson.h).

export type LanguageCode = 'hu' | 'en' | 'de' | 'fr' | 'es';

/** The language folder of a language code: "" for the program folder's (Hungarian) catalogue. */
export const LanguageFolders: Readonly<Record<LanguageCode, string>> = {
  hu: '', en: 'English', de: 'Deutsch', fr: 'Français', es: 'Español',
};

/** The language code of a language folder of the core (Hungarian for one of no language). */
export function languageOfFolder(folder: string): LanguageCode {
  const name = folder.toLowerCase();
  const found = (Object.entries(LanguageFolders) as [LanguageCode, string][]).find(([, f]) => f !== '' && f.toLowerCase() === name);
  return found ? found[0] : 'hu';
}

/** The language code of a lesson's setting, Hungarian for none or one the page does not have. */
export function languageOfCode(code: string | null): LanguageCode {
  return code !== null && Object.hasOwn(LanguageFolders, code) ? (code as LanguageCode) : 'hu';
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
