// The identity prompt before each run: the identifier the window's caption shows.

import { Text, type Core } from '../core';
import { applyDesignCaptions, applyKeyboardOrder, type WindowDesign } from '../design';
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

  /** Shows the prompt, its field holding `suggested` (a learning platform's name for the learner)
   *  when it is empty; `then` runs with the identifier once OK is pressed. */
  show(then: (identifier: string, event: Event) => void, suggested = ''): void {
    this.onIdentifier = then;
    if (this.field.value === '') this.field.value = suggested;
    this.applyCaptions();
    this.note.textContent = '';
    this.window.showModal(() => this.cancel());
    this.field.focus();
  }

  applyCaptions(): void {
    const text = (n: number): string => this.core.catalogueText(n);
    this.window.setTitle(text(this.design.titleCaption));
    applyDesignCaptions(this.window.controls, this.design.controls, text);
  }

  /** A page cannot end the program: the prompt stays, and says so. */
  private cancel(): void {
    this.field.value = '';
    this.note.textContent = this.core.catalogueText(Text.PageCannotClose);
    this.field.focus();
  }

  get dialog(): HTMLDialogElement {
    return this.window.dialog;
  }
}
