// The page's address parameters: what a teacher's link may choose. `?lang=hu` or `?lang=en`;
// Hungarian, the program folder's own catalogue, unless English is asked for. `?calculations=0`
// leaves radius, charge and the estimate to the students; `?brownian=1` starts with the droplets'
// Brownian motion on; `?realair=1` fills the chamber with real air; `?class=CODE` makes each
// student's chamber their own under the class code.

export type LanguageCode = 'hu' | 'en';

export interface PageParameters {
  lang: LanguageCode;
  /** Radius, charge and the estimate worked out in the notebook. */
  calculations: boolean;
  /** Brownian motion on from the start. */
  brownian: boolean;
  /** Real air in the chamber from the start. */
  realAir: boolean;
  /** The class code of the assessed chamber, as given (the core checks it); null for none. */
  classCode: string | null;
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
  return {
    lang: lang === 'en' ? 'en' : 'hu',
    calculations: !isSwitch(query.get('calculations'), false),
    brownian: isSwitch(query.get('brownian'), true),
    realAir: isSwitch(query.get('realair'), true),
    classCode: query.get('class'),
  };
}

/** A switch in the address: "1", "true", "on", "yes" turn it on, "0", "false", "off", "no" off;
 *  `on` says which of the two is asked about. Anything else, or none, is not that. */
function isSwitch(value: string | null, on: boolean): boolean {
  const word = value?.trim().toLowerCase() ?? '';
  return (on ? ['1', 'true', 'on', 'yes'] : ['0', 'false', 'off', 'no']).includes(word);
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
