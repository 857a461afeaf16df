// The identity prompt before each run: the identifier the window's caption shows.

import type { Core } from '../core';
import { setCaption, applyKeyboardOrder, type WindowDesign } from '../design';
import { DialogWindow } from './DialogWindow';

export class IdentityPrompt {
  private readonly window: DialogWindow;
  private readonly field: HTMLInputElement;
  private readonly note: HTMLParagraphElement;
  private onIdentifier: (identifier: string, event: Event) => void = () => {};

  constructor(
    private readonly core: Core,
    private readonly design: WindowDesign,
  ) {
    this.window = new DialogWindow('prompt', design);
    const controls = this.window.controls;
    this.field = controls.get('Password', HTMLInputElement);
    this.field.autocomplete = 'off';
    this.field.setAttribute('aria-labelledby', controls.element('Label1').id);
    // A note the page adds below the prompt when Cancel cannot end the program.
    this.note = document.createElement('p');
    this.note.className = 'prompt-note';
    this.note.setAttribute('role', 'status');
    this.window.dialog.append(this.note);
    applyKeyboardOrder(controls, design.order);
    const ok = controls.get('OKBtn', HTMLButtonElement);
    const cancel = controls.get('CancelBtn', HTMLButtonElement);
    const form = document.createElement('form');
    form.method = 'dialog';
    ok.type = 'submit';
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.window.close();
      this.onIdentifier(this.field.value, event);
    });
    this.window.client.replaceWith(form);
    form.append(this.window.client);
    cancel.addEventListener('click', () => this.cancel());
  }

  /** Shows the prompt; `then` runs with the identifier once OK is pressed. */
  show(then: (identifier: string, event: Event) => void): void {
    this.onIdentifier = then;
    this.applyCaptions();
    this.note.textContent = '';
    this.window.showModal(() => this.cancel());
    this.field.focus();
  }

  applyCaptions(): void {
    const text = (n: number | undefined): string => (n === undefined ? '' : this.core.catalogueText(n));
    const captions = this.design.captions;
    this.window.setTitle(text(captions['title']));
    for (const name of ['Label1', 'OKBtn', 'CancelBtn']) {
      const element = this.window.controls.element(name);
      if (element instanceof HTMLButtonElement) setCaption(element, text(captions[name]));
      else element.textContent = text(captions[name]).replaceAll('&', '');
    }
  }

  /** A page cannot end the program: the prompt stays, and says so. */
  private cancel(): void {
    this.field.value = '';
    this.note.textContent = this.core.catalogueText(612);
    this.field.focus();
  }

  get dialog(): HTMLDialogElement {
    return this.window.dialog;
  }
}
