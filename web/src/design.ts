// The window designs as the core gives them (one table for both editions), and the page elements
// built from them: each control placed at its design position in design pixels; the whole stage
// is scaled as one (see fit.ts).

import type { ControlDesign } from './coreShapes';
import { parseMnemonic } from './mnemonic';

export type { ControlDesign, Designs, MainDesign, WindowDesign } from './coreShapes';

/** The controls of one window, by design name. A name the design does not hold is a fault. */
export class ControlSet {
  private readonly byName = new Map<string, HTMLElement>();

  add(name: string, element: HTMLElement): void {
    this.byName.set(name, element);
  }

  get<T extends HTMLElement>(name: string, type: new () => T): T {
    const element = this.byName.get(name);
    if (!(element instanceof type)) throw new Error(`no ${type.name} named ${name} in the design`);
    return element;
  }

  element(name: string): HTMLElement {
    const element = this.byName.get(name);
    if (!element) throw new Error(`no control named ${name} in the design`);
    return element;
  }

  names(): IterableIterator<string> {
    return this.byName.keys();
  }
}

/** Puts the element at its design place and size, in design pixels of its parent. */
export function placeControl(element: HTMLElement, c: Pick<ControlDesign, 'left' | 'top' | 'width' | 'height'>): void {
  const s = element.style;
  s.left = `${c.left}px`;
  s.top = `${c.top}px`;
  if (c.width > 0) s.width = `${c.width}px`;
  if (c.height > 0) s.height = `${c.height}px`;
  // The drawn size, for controls whose hit area is larger than what they draw.
  s.setProperty('--w', `${c.width}px`);
  s.setProperty('--h', `${c.height}px`);
}

function place(element: HTMLElement, c: ControlDesign): void {
  placeControl(element, c);
  const s = element.style;
  if (c.fontPixels > 0) s.fontSize = `${c.fontPixels}px`;
  s.fontFamily = c.fontFamily;
  if (c.bold) s.fontWeight = 'bold';
  if (c.italic) s.fontStyle = 'italic';
  if (c.fontColor) s.color = c.fontColor;
}

function elementFor(c: ControlDesign): HTMLElement {
  switch (c.kind) {
    case 'label': {
      const label = document.createElement('span');
      label.className = 'label';
      return label;
    }
    case 'edit': {
      const input = document.createElement('input');
      input.type = 'text';
      input.className = c.flat ? 'edit flat' : 'edit';
      input.value = c.text;
      input.spellcheck = false;
      input.autocomplete = 'off';
      input.readOnly = c.readOnly;
      if (c.color) input.style.backgroundColor = c.color;
      return input;
    }
    case 'checkBox': {
      // The box and its caption in one label, so that a click on the caption flips it too and
      // the caption is the box's accessible name.
      const label = document.createElement('label');
      label.className = 'checkbox';
      const box = document.createElement('input');
      box.type = 'checkbox';
      const caption = document.createElement('span');
      label.append(box, caption);
      return label;
    }
    case 'memo': {
      const memo = document.createElement('textarea');
      memo.className = 'memo';
      memo.readOnly = true;
      memo.spellcheck = false;
      return memo;
    }
    case 'button':
    case 'closeButton':
    case 'okButton':
    case 'cancelButton': {
      const button = document.createElement('button');
      button.type = 'button';
      // The standard glyphs of close, OK and cancel buttons, drawn by the page's styles.
      const glyph = { closeButton: ' close', okButton: ' ok', cancelButton: ' cancel' } as const;
      button.className = `button${c.kind === 'button' ? '' : glyph[c.kind]}`;
      return button;
    }
    case 'panel': {
      const panel = document.createElement('div');
      panel.className = 'panel';
      if (c.color) panel.style.backgroundColor = c.color;
      return panel;
    }
    case 'picture': {
      const picture = document.createElement('div');
      picture.className = 'picture';
      return picture;
    }
    case 'shape': {
      const shape = document.createElement('div');
      shape.className = c.circle ? 'shape circle' : 'shape';
      if (c.color) shape.style.backgroundColor = c.color;
      shape.style.borderColor = c.penColor ?? 'transparent';
      shape.setAttribute('aria-hidden', 'true');
      return shape;
    }
    case 'hScrollBar':
    case 'vScrollBar': {
      const bar = document.createElement('input');
      bar.type = 'range';
      bar.className = c.kind === 'hScrollBar' ? 'scrollbar horizontal' : 'scrollbar vertical';
      bar.min = String(c.min);
      bar.max = String(c.max);
      bar.step = '1';
      bar.value = String(c.position);
      return bar;
    }
    case 'upDown': {
      const group = document.createElement('div');
      group.className = 'updown';
      for (const direction of ['up', 'down']) {
        const arrow = document.createElement('button');
        arrow.type = 'button';
        arrow.className = `arrow ${direction}`;
        arrow.dataset['direction'] = direction;
        group.append(arrow);
      }
      return group;
    }
    case 'comboBox': {
      const select = document.createElement('select');
      select.className = 'combo';
      return select;
    }
    default:
      throw new Error(`control ${c.name} is of a kind the page does not know: ${c.kind}`);
  }
}

/** Builds the controls of a design into `client`, children inside their parents. */
export function buildControls(client: HTMLElement, controls: readonly ControlDesign[]): ControlSet {
  const set = new ControlSet();
  for (const c of controls) {
    const element = elementFor(c);
    element.id = `${client.id}-${c.name}`;
    element.dataset['name'] = c.name;
    element.classList.add('control');
    place(element, c);
    if (c.kind === 'button' || c.kind === 'closeButton' || c.kind === 'okButton' || c.kind === 'cancelButton') {
      setCaption(element, c.text);
    } else if (c.kind === 'label') {
      element.textContent = parseMnemonic(c.text).text;
    }
    // Hidden, with its children, until the program shows it.
    if (c.hidden) element.hidden = true;
    const parent = c.parent === '' ? client : set.element(c.parent);
    parent.append(element);
    set.add(c.name, element);
  }
  return set;
}

/**
 * Writes a caption with its "&" mnemonic: the text is the accessible name, the marked letter is
 * underlined and Alt with it presses the control.
 */
export function setCaption(element: HTMLElement, caption: string): void {
  const { text, key, index } = parseMnemonic(caption);
  element.replaceChildren();
  if (key === null || index < 0) {
    element.textContent = text;
    element.removeAttribute('aria-keyshortcuts');
    delete element.dataset['mnemonic'];
    return;
  }
  const letter = [...text][index] ?? '';
  const before = [...text].slice(0, index).join('');
  const after = [...text].slice(index + 1).join('');
  const underlined = document.createElement('u');
  underlined.textContent = letter;
  element.append(before, underlined, after);
  element.dataset['mnemonic'] = key;
  element.setAttribute('aria-keyshortcuts', `Alt+${key.toUpperCase()}`);
}

/**
 * Gives every control of the design that has a caption its catalogue text: a button with its
 * marked letter (or without, where the design says another control has the key), any other
 * control as plain text.
 */
export function applyDesignCaptions(set: ControlSet, controls: readonly ControlDesign[], text: (n: number) => string): void {
  for (const c of controls) {
    if (c.caption === 0) continue;
    const element = set.element(c.name);
    const caption = text(c.caption);
    if (element instanceof HTMLButtonElement) setCaption(element, c.keylessCaption ? parseMnemonic(caption).text.replaceAll('&', '&&') : caption);
    else if (c.kind === 'checkBox') setCheckBoxCaption(element, caption);
    else element.textContent = parseMnemonic(caption).text;
  }
}

/** A check box's caption beside its box; Alt with the marked letter clicks the label, which
 *  flips the box. */
function setCheckBoxCaption(label: HTMLElement, caption: string): void {
  const text = label.querySelector('span');
  const box = label.querySelector('input');
  if (!text || !box) return;
  setCaption(text, caption);
  const key = text.dataset['mnemonic'];
  delete text.dataset['mnemonic'];
  text.removeAttribute('aria-keyshortcuts');
  if (key === undefined) {
    delete label.dataset['mnemonic'];
    box.removeAttribute('aria-keyshortcuts');
  } else {
    label.dataset['mnemonic'] = key;
    box.setAttribute('aria-keyshortcuts', `Alt+${key.toUpperCase()}`);
  }
}

/** The focusable elements of the named controls, in the design's keyboard order. */
export function keyboardOrder(set: ControlSet, order: readonly string[]): HTMLElement[] {
  const focusables: HTMLElement[] = [];
  for (const name of order) {
    const element = set.element(name);
    const focusable = 'input, button, select, [tabindex="0"]';
    if (element.matches(focusable)) focusables.push(element);
    else focusables.push(...element.querySelectorAll<HTMLElement>(focusable));
  }
  return focusables;
}

/**
 * Tab and Shift+Tab inside `root` go through the controls in the design's keyboard order (then
 * the `after` elements, such as the menu bar's), round and round, as in the desktop's window,
 * whatever the order of the page's elements.
 */
export function applyKeyboardOrder(set: ControlSet, order: readonly string[], root?: HTMLElement, after: () => HTMLElement[] = () => []): void {
  const scope = root ?? set.element(order[0] ?? '').closest('dialog') ?? document.body;
  scope.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey) return;
    const cycle = [...keyboardOrder(set, order), ...after()].filter((e) => !(e as HTMLButtonElement).disabled && e.getClientRects().length > 0);
    const at = cycle.indexOf(document.activeElement as HTMLElement);
    if (at < 0 || cycle.length === 0) return;
    event.preventDefault();
    const next = (at + (event.shiftKey ? -1 : 1) + cycle.length) % cycle.length;
    cycle[next]?.focus();
  });
}
