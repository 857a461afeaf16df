// The page's address parameters: what a teacher's link may choose. `?lang=hu` or `?lang=en`;
// Hungarian, the program folder's own catalogue, unless English is asked for.

export type LanguageCode = 'hu' | 'en';

export interface PageParameters {
  lang: LanguageCode;
}

/** The language folder of a language code: "" for the program folder's (Hungarian) catalogue. */
export const LanguageFolders: Readonly<Record<LanguageCode, string>> = { hu: '', en: 'English' };

/** The language code of a language folder of the core. */
export function languageOfFolder(folder: string): LanguageCode {
  return folder.toLowerCase() === 'english' ? 'en' : 'hu';
}

/** Reads the address's query; unknown names and values are left aside. */
export function readParameters(search: string): PageParameters {
  const query = new URLSearchParams(search);
  const lang = query.get('lang')?.trim().toLowerCase();
  return { lang: lang === 'en' ? 'en' : 'hu' };
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
