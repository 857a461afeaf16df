// The About box: the program's name, purpose, version and licence from the catalogue, each
// line centred in the white panel (a line wider than the panel is cut at both sides).

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
      if (c.kind === 'label') this.window.controls.element(c.name).classList.add('centred-line');
    }
  }

  show(): void {
    const text = (n: number): string => this.core.catalogueText(n);
    this.window.setTitle(text(this.design.titleCaption));
    applyDesignCaptions(this.window.controls, this.design.controls, text);
    this.window.showModal(() => this.window.close());
    this.window.controls.element('OKBtn').focus();
  }
}
