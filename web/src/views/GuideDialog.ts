// The guide, shown in the page: the program's HTML guides inlined into the page, the chosen
// language's shown: Hungarian and English share one, opened at the English half for English
// (otherwise at the top, where the contents of both halves and then the Hungarian half stand);
// the other languages have one of their own. Its links jump within the guide and lead nowhere
// else.

import { Text, type Core } from '../core';
import type { LanguageCode } from '../params';
import { setCaption } from '../design';
import { dialogButton, pageDialog } from './PageDialog';

export class GuideDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly caption: HTMLHeadingElement;
  private readonly close: HTMLButtonElement;
  private readonly body: HTMLDivElement;
  private readonly root: ShadowRoot;
  /** The guide shown now, by its text. */
  private shown = '';

  constructor(
    private readonly core: Core,
    private readonly guides: Readonly<Record<LanguageCode, string>>,
  ) {
    const { dialog, bar, caption } = pageDialog('guide', 'guide');
    this.dialog = dialog;
    this.caption = caption;
    this.close = dialogButton(() => this.dialog.close());
    bar.append(this.close);
    this.body = document.createElement('div');
    this.body.className = 'guide-text';
    this.body.tabIndex = 0;
    this.body.setAttribute('role', 'document');
    this.root = this.body.attachShadow({ mode: 'open' });
    this.dialog.append(bar, this.body);
  }

  private fill(html: string): void {
    if (html === this.shown) return;
    this.shown = html;
    this.root.replaceChildren();
    const page = new DOMParser().parseFromString(html, 'text/html');
    for (const style of page.querySelectorAll('style')) this.root.append(style);
    const content = document.createElement('div');
    content.className = 'guide-page';
    content.append(...page.body.childNodes);
    const ground = document.createElement('style');
    // The lists of links are touch targets of their own (a link inside a sentence is not).
    ground.textContent =
      '.guide-page { padding: 12px; background: #fff; color: #000; }' +
      '.contents a, .languages a { display: inline-block; min-height: 24px; line-height: 24px; }' +
      // On a phone the guide fills the screen: a wide table or formula scrolls sideways on its own, the
      // lists of links are a finger high.
      '@media (max-width: 1023px), (max-height: 599px) {' +
      ' .guide-page table, .guide-page .formula, .guide-page pre { display: block; max-width: 100%; overflow-x: auto; }' +
      ' .guide-page img { max-width: 100%; height: auto; }' +
      ' .contents a, .languages a { min-height: 44px; line-height: 44px; } }';
    this.root.append(ground, content);
    // Links inside the guide move within it; the page's own address stays as it is.
    content.addEventListener('click', (event) => {
      const link = (event.target as Element | null)?.closest('a[href]');
      if (!link) return;
      event.preventDefault();
      const href = link.getAttribute('href') ?? '';
      if (href.startsWith('#')) this.scrollTo(href.slice(1));
    });
  }

  private scrollTo(anchor: string): void {
    const target = this.root.querySelector(`a[name="${CSS.escape(anchor)}"], [id="${CSS.escape(anchor)}"]`);
    target?.scrollIntoView({ block: 'start' });
  }

  show(language: LanguageCode): void {
    this.fill(this.guides[language]);
    this.caption.textContent = this.core.catalogueText(Text.GuideTitle);
    setCaption(this.close, this.core.catalogueText(Text.Close));
    if (!this.dialog.open) this.dialog.showModal();
    if (language === 'en') this.scrollTo('en');
    else this.body.scrollTop = 0;
    this.body.focus();
  }
}
