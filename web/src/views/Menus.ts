// The main window's menu bar: End, the Measurement menu (the stopwatch, recording, the notebook,
// the ionising source and Brownian motion as a checkable item) and the Help menu with About, the
// guide and the language choice. Native buttons in menu roles; Alt with a caption's marked letter
// opens or presses it, the arrow keys move within an open menu, a letter picks its item, Escape
// closes it.

import { parseMnemonic } from '../mnemonic';
import { setCaption } from '../design';

export interface MenuCommand {
  caption: () => string;
  run: (event: Event) => void;
  /** The key that does the same anywhere on the bench, for assistive technology ("F5"). */
  shortcut?: string;
  /** A checkable item: whether it is checked now. */
  checked?: () => boolean;
}

/** A menu of the bar: its title and its items. */
export interface MenuDesign {
  id: string;
  caption: () => string;
  items: (MenuCommand | 'separator')[];
}

/** One popup menu and the title that opens it. */
class Popup {
  readonly title: HTMLButtonElement;
  readonly list: HTMLElement;
  readonly items: { button: HTMLButtonElement; command: MenuCommand }[] = [];

  constructor(
    readonly design: MenuDesign,
    title: HTMLButtonElement,
    close: () => void,
  ) {
    this.title = title;
    title.setAttribute('aria-haspopup', 'menu');
    title.setAttribute('aria-expanded', 'false');
    this.list = document.createElement('menu');
    this.list.className = 'popup';
    this.list.id = `${design.id}-items`;
    this.list.setAttribute('role', 'menu');
    this.list.hidden = true;
    title.setAttribute('aria-controls', this.list.id);
    for (const command of design.items) {
      const entry = document.createElement('li');
      entry.setAttribute('role', 'none');
      if (command === 'separator') {
        entry.className = 'separator';
        entry.setAttribute('role', 'separator');
        this.list.append(entry);
        continue;
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'menuitem';
      button.setAttribute('role', command.checked ? 'menuitemcheckbox' : 'menuitem');
      if (command.shortcut) button.setAttribute('aria-keyshortcuts', command.shortcut);
      button.tabIndex = -1;
      button.addEventListener('click', (event) => {
        close();
        command.run(event);
      });
      entry.append(button);
      this.list.append(entry);
      this.items.push({ button, command });
    }
  }

  applyCaptions(): void {
    setCaption(this.title, this.design.caption());
    for (const { button, command } of this.items) {
      setCaption(button, command.caption());
      if (command.checked) button.setAttribute('aria-checked', String(command.checked()));
    }
  }
}

export class MenuBar {
  readonly element: HTMLElement;
  private readonly bar: HTMLElement;
  private readonly end: HTMLButtonElement;
  private readonly popups: Popup[] = [];
  private open: Popup | null = null;

  constructor(
    private readonly endCommand: MenuCommand,
    menus: MenuDesign[],
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
    for (const design of menus) {
      const popup = new Popup(design, this.topItem(design.id), () => this.closeMenu());
      popup.title.addEventListener('click', () => (this.open === popup ? this.closeMenu() : this.openMenu(popup)));
      popup.title.addEventListener('keydown', (event) => {
        if (event.key === 'ArrowDown') {
          event.preventDefault();
          this.openMenu(popup);
        }
      });
      popup.list.addEventListener('keydown', (event) => this.onMenuKey(popup, event));
      this.element.append(popup.list);
      this.popups.push(popup);
    }
    document.addEventListener('pointerdown', (event) => {
      if (this.open && !this.element.contains(event.target as Node)) this.closeMenu();
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
    return [this.end, ...this.popups.map((popup) => popup.title)];
  }

  applyCaptions(): void {
    setCaption(this.end, this.endCommand.caption());
    for (const popup of this.popups) popup.applyCaptions();
  }

  /** Alt with a letter: the End item or a menu when the letter is theirs. */
  pressMnemonic(key: string): boolean {
    if (this.end.dataset['mnemonic'] === key) {
      this.end.click();
      return true;
    }
    const popup = this.popups.find((p) => p.title.dataset['mnemonic'] === key);
    if (popup) {
      this.openMenu(popup);
      return true;
    }
    return false;
  }

  private openMenu(popup: Popup): void {
    this.closeMenu();
    // Checkable items show their state as it is now.
    popup.applyCaptions();
    popup.list.style.left = `${popup.title.offsetLeft}px`;
    popup.list.hidden = false;
    // A menu near the screen's right edge opens leftwards, so that all of it is in sight.
    const over = popup.list.getBoundingClientRect().right - document.documentElement.clientWidth;
    if (over > 0) popup.list.style.left = `${Math.max(0, popup.title.offsetLeft - over / (popup.list.currentCSSZoom || 1))}px`;
    popup.title.setAttribute('aria-expanded', 'true');
    this.open = popup;
    popup.items[0]?.button.focus();
  }

  closeMenu(): void {
    const popup = this.open;
    if (!popup) return;
    const hadFocus = popup.list.contains(document.activeElement);
    popup.list.hidden = true;
    popup.title.setAttribute('aria-expanded', 'false');
    this.open = null;
    if (hadFocus) popup.title.focus();
  }

  private onMenuKey(popup: Popup, event: KeyboardEvent): void {
    const buttons = popup.items.map((item) => item.button);
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
      event.stopPropagation();
      this.closeMenu();
      return;
    }
    if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
      event.preventDefault();
      const next = this.popups[(this.popups.indexOf(popup) + (event.key === 'ArrowRight' ? 1 : -1) + this.popups.length) % this.popups.length];
      if (next) this.openMenu(next);
      return;
    }
    const key = event.key.toLocaleLowerCase();
    const item = popup.items.find(({ command }) => parseMnemonic(command.caption()).key === key);
    if (item && !event.ctrlKey && !event.metaKey) {
      event.preventDefault();
      item.button.click();
    }
  }
}
