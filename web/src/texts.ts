// Catalogue texts with their places filled.

/** The text with "%1", "%2", ... replaced by the values, in one pass (a value that holds "%2"
 *  stays as it is). A place without a value is left as written. */
export function fillText(text: string, values: readonly string[]): string {
  return text.replace(/%(\d)/g, (place, digit: string) => values[Number(digit) - 1] ?? place);
}
