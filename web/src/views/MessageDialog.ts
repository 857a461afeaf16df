// A message for the student, as the desktop's warning box: the text and an OK button, in front of
// everything until it is read.

import type { Core } from '../core';
import { setCaption } from '../design';

export class MessageDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly caption: HTMLHeadingElement;
  private readonly text: HTMLParagraphElement;
  private readonly ok: HTMLButtonElement;

  constructor(private readonly core: Core) {
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'guide message';
    this.dialog.id = 'message';
    this.dialog.setAttribute('role', 'alertdialog');
    const bar = document.createElement('div');
    bar.className = 'guide-bar';
    this.caption = document.createElement('h2');
    this.caption.id = 'message-caption';
    this.caption.className = 'guide-caption';
    this.dialog.setAttribute('aria-labelledby', this.caption.id);
    bar.append(this.caption);
    this.text = document.createElement('p');
    this.text.id = 'message-text';
    this.text.className = 'message-text';
    this.dialog.setAttribute('aria-describedby', this.text.id);
    this.ok = document.createElement('button');
    this.ok.type = 'button';
    this.ok.className = 'button guide-close';
    this.ok.addEventListener('click', () => this.dialog.close());
    this.dialog.append(bar, this.text, this.ok);
    document.body.append(this.dialog);
  }

  show(text: string): void {
    this.caption.textContent = this.core.catalogueText(500);
    setCaption(this.ok, this.core.catalogueText(1));
    // A second message while one is up is added to it, so that none is lost.
    this.text.textContent = this.dialog.open ? `${this.text.textContent ?? ''}\n\n${text}` : text;
    if (!this.dialog.open) this.dialog.showModal();
    this.ok.focus();
  }
}
