// A page that cannot start says so, in both languages, instead of showing an empty page.

const Message = {
  hu: 'A Tessilar nem tud elindulni ebben a böngészőben.',
  en: 'Tessilar cannot start in this browser.',
  huHint: 'A programhoz JavaScript és WebAssembly kell; próbáld egy friss Chrome, Edge, Firefox vagy Safari böngészővel.',
  enHint: 'It needs JavaScript and WebAssembly; try an up-to-date Chrome, Edge, Firefox or Safari.',
} as const;

let shown = false;

/** Replaces the page with the failure message; the cause is shown as text, never as markup. */
export function showFailure(cause: unknown): void {
  if (shown) return;
  shown = true;
  const box = document.createElement('div');
  box.id = 'failure';
  box.setAttribute('role', 'alert');
  box.lang = 'hu';
  const lines: [string, string][] = [
    [Message.hu, 'hu'],
    [Message.huHint, 'hu'],
    [Message.en, 'en'],
    [Message.enHint, 'en'],
  ];
  for (const [text, lang] of lines) {
    const p = document.createElement('p');
    p.lang = lang;
    p.textContent = text;
    box.append(p);
  }
  const detail = document.createElement('pre');
  detail.textContent = describe(cause);
  box.append(detail);
  document.getElementById('stage-layer')?.remove();
  for (const dialog of document.querySelectorAll('dialog')) dialog.remove();
  document.getElementById('boot-message')?.remove();
  document.body.append(box);
}

export function describe(cause: unknown): string {
  if (cause instanceof Error) return `${cause.name}: ${cause.message}`;
  return String(cause);
}

/** Any error the page does not handle ends in the failure message. */
export function watchForFailures(): void {
  addEventListener('error', (event) => showFailure(event.error ?? event.message));
  addEventListener('unhandledrejection', (event) => showFailure(event.reason));
}
