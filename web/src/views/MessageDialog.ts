// A message for the student, as the desktop's warning box: the text and an OK button, in front of
// everything until it is read.

import { Text, type Core } from '../core';
import { setCaption } from '../design';
import { dialogButton, pageDialog } from './PageDialog';

export class MessageDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly caption: HTMLHeadingElement;
  private readonly text: HTMLParagraphElement;
  private readonly ok: HTMLButtonElement;

  constructor(private readonly core: Core) {
    const { dialog, bar, caption } = pageDialog('message', 'guide message');
    this.dialog = dialog;
    this.caption = caption;
    this.dialog.setAttribute('role', 'alertdialog');
    this.text = document.createElement('p');
    this.text.id = 'message-text';
    this.text.className = 'message-text';
    this.dialog.setAttribute('aria-describedby', this.text.id);
    this.ok = dialogButton(() => this.dialog.close());
    this.dialog.append(bar, this.text, this.ok);
  }

  show(text: string): void {
    this.caption.textContent = this.core.catalogueText(Text.NotebookTitle);
    setCaption(this.ok, this.core.catalogueText(Text.Ok));
    // A second message while one is up is added to it, so that none is lost.
    this.text.textContent = this.dialog.open ? `${this.text.textContent ?? ''}\n\n${text}` : text;
    if (!this.dialog.open) this.dialog.showModal();
    this.ok.focus();
  }
}
