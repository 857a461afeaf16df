// The main window's menu bar: End, and the Help menu with About, the guide and the language
// choice. Native buttons in menu roles; Alt with a caption's marked letter opens or presses it,
// the arrow keys move within an open menu, a letter picks its item, Escape closes it.

import { parseMnemonic } from '../mnemonic';
import { setCaption } from '../design';

export interface MenuCommand {
  caption: () => string;
  run: (event: Event) => void;
}

export class MenuBar {
  readonly element: HTMLElement;
  private readonly bar: HTMLElement;
  private readonly end: HTMLButtonElement;
  private readonly help: HTMLButtonElement;
  private readonly popup: HTMLElement;
  private readonly items: { button: HTMLButtonElement; command: MenuCommand }[] = [];

  constructor(
    private readonly endCommand: MenuCommand,
    private readonly helpCaption: () => string,
    helpCommands: (MenuCommand | 'separator')[],
  ) {
    this.element = document.createElement('div');
    this.element.className = 'menubar';
    this.bar = document.createElement('div');
    this.bar.className = 'menubar-items';
    this.bar.setAttribute('role', 'menubar');
    this.element.append(this.bar);
    this.end = this.topItem('menu-end');
    this.end.addEventListener('click', (event) => {
      this.closeMenu();
      this.endCommand.run(event);
    });
    this.help = this.topItem('menu-help');
    this.help.setAttribute('aria-haspopup', 'menu');
    this.help.setAttribute('aria-expanded', 'false');
    this.popup = document.createElement('menu');
    this.popup.className = 'popup';
    this.popup.id = 'menu-help-items';
    this.popup.setAttribute('role', 'menu');
    this.popup.hidden = true;
    this.help.setAttribute('aria-controls', this.popup.id);
    for (const command of helpCommands) {
      const entry = document.createElement('li');
      entry.setAttribute('role', 'none');
      if (command === 'separator') {
        entry.className = 'separator';
        entry.setAttribute('role', 'separator');
        this.popup.append(entry);
        continue;
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'menuitem';
      button.setAttribute('role', 'menuitem');
      button.tabIndex = -1;
      button.addEventListener('click', (event) => {
        this.closeMenu();
        command.run(event);
      });
      entry.append(button);
      this.popup.append(entry);
      this.items.push({ button, command });
    }
    this.help.addEventListener('click', () => (this.popup.hidden ? this.openMenu() : this.closeMenu()));
    this.help.addEventListener('keydown', (event) => {
      if (event.key === 'ArrowDown') {
        event.preventDefault();
        this.openMenu();
      }
    });
    this.popup.addEventListener('keydown', (event) => this.onMenuKey(event));
    this.element.append(this.popup);
    document.addEventListener('pointerdown', (event) => {
      if (!this.popup.hidden && !this.element.contains(event.target as Node)) this.closeMenu();
    });
  }

  private topItem(id: string): HTMLButtonElement {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = id;
    button.className = 'menutitle';
    button.setAttribute('role', 'menuitem');
    this.bar.append(button);
    return button;
  }

  /** The bar's own items, for the window's keyboard order. */
  titles(): HTMLElement[] {
    return [this.end, this.help];
  }

  applyCaptions(): void {
    setCaption(this.end, this.endCommand.caption());
    setCaption(this.help, this.helpCaption());
    for (const { button, command } of this.items) setCaption(button, command.caption());
  }

  /** Alt with a letter: the End item or the Help menu when the letter is theirs. */
  pressMnemonic(key: string): boolean {
    if (this.end.dataset['mnemonic'] === key) {
      this.end.click();
      return true;
    }
    if (this.help.dataset['mnemonic'] === key) {
      this.openMenu();
      return true;
    }
    return false;
  }

  openMenu(): void {
    this.popup.style.left = `${this.help.offsetLeft}px`;
    this.popup.hidden = false;
    this.help.setAttribute('aria-expanded', 'true');
    this.items[0]?.button.focus();
  }

  closeMenu(): void {
    if (this.popup.hidden) return;
    const hadFocus = this.popup.contains(document.activeElement);
    this.popup.hidden = true;
    this.help.setAttribute('aria-expanded', 'false');
    if (hadFocus) this.help.focus();
  }

  private onMenuKey(event: KeyboardEvent): void {
    const buttons = this.items.map((item) => item.button);
    const at = buttons.indexOf(document.activeElement as HTMLButtonElement);
    const move = (to: number): void => {
      event.preventDefault();
      buttons[(to + buttons.length) % buttons.length]?.focus();
    };
    if (event.key === 'ArrowDown') return move(at + 1);
    if (event.key === 'ArrowUp') return move(at - 1);
    if (event.key === 'Home') return move(0);
    if (event.key === 'End') return move(buttons.length - 1);
    if (event.key === 'Escape' || event.key === 'Tab') {
      event.preventDefault();
      this.closeMenu();
      return;
    }
    const key = event.key.toLocaleLowerCase();
    const item = this.items.find(({ command }) => parseMnemonic(command.caption()).key === key);
    if (item && !event.ctrlKey && !event.metaKey) {
      event.preventDefault();
      item.button.click();
    }
  }
}
