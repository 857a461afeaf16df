// The language choice: the core's language folders, the first chosen; OK makes the chosen
// folder's catalogue the one in use.

import type { Core } from '../core';
import { applyKeyboardOrder, setCaption, type WindowDesign } from '../design';
import { DialogWindow } from './DialogWindow';

export class LanguageDialog {
  private readonly window: DialogWindow;
  private readonly list: HTMLSelectElement;
  private readonly ok: HTMLButtonElement;
  private onChosen: () => void = () => {};

  constructor(
    private readonly core: Core,
    design: WindowDesign,
  ) {
    this.window = new DialogWindow('language', design);
    const controls = this.window.controls;
    this.list = controls.get('ComboBox1', HTMLSelectElement);
    this.list.setAttribute('aria-labelledby', controls.element('Label1').id);
    this.ok = controls.get('BitBtn1', HTMLButtonElement);
    const cancel = controls.get('BitBtn2', HTMLButtonElement);
    for (const c of design.controls) {
      const element = controls.element(c.name);
      if (element instanceof HTMLButtonElement) setCaption(element, c.text);
    }
    applyKeyboardOrder(controls, design.order);
    this.ok.addEventListener('click', () => {
      this.core.chooseLanguage(this.list.value);
      this.window.close();
      this.onChosen();
    });
    cancel.addEventListener('click', () => this.window.close());
  }

  show(then: () => void): void {
    this.onChosen = then;
    this.list.replaceChildren();
    for (const folder of this.core.languageFolders()) {
      const option = document.createElement('option');
      option.value = folder;
      option.textContent = folder;
      this.list.append(option);
    }
    this.list.selectedIndex = this.list.options.length > 0 ? 0 : -1;
    this.ok.disabled = this.list.options.length === 0;
    this.window.showModal(() => this.window.close());
    this.list.focus();
  }
}
