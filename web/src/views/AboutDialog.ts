// The About box: the program's name, purpose, version and licence from the catalogue, each
// line centred in the white panel (a line wider than the panel is cut at both sides), and below
// it the teacher's settings in force, when there are any: the box grows to hold them.

import type { Core } from '../core';
import { applyDesignCaptions, type WindowDesign } from '../design';
import { DialogWindow } from './DialogWindow';

export class AboutDialog {
  private readonly window: DialogWindow;

  constructor(
    private readonly core: Core,
    private readonly design: WindowDesign,
  ) {
    this.window = new DialogWindow('about', design);
    const ok = this.window.controls.get('OKBtn', HTMLButtonElement);
    ok.addEventListener('click', () => this.window.close());
    for (const c of design.controls) {
      if (c.kind === 'label' && c.parent !== '') this.window.controls.element(c.name).classList.add('centred-line');
    }
    this.window.controls.element('Label6').classList.add('settings-lines');
  }

  /** Shown, with the settings in force said below the panel ("" for none). */
  show(settings: string): void {
    const text = (n: number): string => this.core.catalogueText(n);
    this.window.setTitle(text(this.design.titleCaption));
    applyDesignCaptions(this.window.controls, this.design.controls, text);
    const c = this.window.controls;
    const lines = c.element('Label6');
    const ok = c.element('OKBtn');
    const designed = this.design.controls.find((control) => control.name === 'OKBtn');
    lines.textContent = settings;
    lines.hidden = settings === '';
    this.window.showModal(() => this.window.close());
    // Room for the lines between the panel and the button.
    const top = designed?.top ?? 0;
    const buttonTop = settings === '' ? top : lines.offsetTop + lines.offsetHeight + 8;
    ok.style.top = `${buttonTop}px`;
    this.window.client.style.height = `${this.design.height + buttonTop - top}px`;
    ok.focus();
  }
}
