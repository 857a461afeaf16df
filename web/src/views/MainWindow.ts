// The experiment bench: the main window built from the core's design, its views, the menus and
// keys of the core's command table, and the handlers that forward each control to the core and
// draw what it says changed.

import { Changed, Field, Text, type Core, type FieldCode } from '../core';
import type { CommandDesign, ControlDesign, MainDesign } from '../coreShapes';
import type { SimulationClock } from '../clock';
import { applyDesignCaptions, applyKeyboardOrder, buildControls, type ControlSet } from '../design';
import { MenuBarHeight, type StageLayout } from '../stage';
import { CompactBench } from './CompactBench';
import { benchButtonDesigns } from './MeasuringButtons';
import { MenuBar, type MenuCommand, type MenuDesign } from './Menus';
import { Microscope } from './Microscope';
import { Stopwatch } from './Stopwatch';
import { Thermometer } from './Thermometer';
import { Voltmeter } from './Voltmeter';
import type { DialDrawing } from '../coreShapes';

export interface MainWindowCommands {
  end: (event: Event) => void;
  about: () => void;
  guide: () => void;
  language: () => void;
  /** The teacher's settings of a lesson. */
  teacher: () => void;
  /** F7: the notebook window brought up. */
  notebook: () => void;
  /** The notebook changed: it is kept and shown again. */
  notebookChanged: () => void;
  /** What the notebook window shows beside its rows changed (its pressure column): shown again. */
  notebookRedrawn: () => void;
}

export class MainWindow {
  readonly element: HTMLDivElement;
  readonly menu: MenuBar;
  private readonly caption: HTMLDivElement;
  private readonly client: HTMLDivElement;
  private readonly controls: ControlSet;
  private readonly bench: ControlDesign[];
  private readonly microscope: Microscope;
  private readonly voltmeter: Voltmeter;
  private readonly thermometer: Thermometer;
  private readonly stopwatch: Stopwatch;
  /** The bench laid out for a phone, when the screen is small. */
  private readonly compact: CompactBench;
  /** Said by a screen reader as it changes: a stopped stopwatch, a recorded row. */
  private readonly announcement: HTMLParagraphElement;
  private clock: SimulationClock | null = null;
  private identifier = '';

  constructor(
    private readonly core: Core,
    private readonly design: MainDesign,
    dial: DialDrawing,
    private readonly commands: MainWindowCommands,
  ) {
    this.element = document.createElement('div');
    this.element.className = 'window main';
    this.element.id = 'main-window';
    this.element.setAttribute('role', 'main');
    this.caption = document.createElement('div');
    this.caption.className = 'caption';
    this.caption.id = 'main-caption';
    this.element.setAttribute('aria-labelledby', this.caption.id);
    this.menu = new MenuBar(this.menuCommand(this.command(design.barCommand)), design.menus.map((menu) => this.menuDesign(menu)));
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.client.id = 'main';
    this.client.style.width = `${design.width}px`;
    // The desktop's window is its design size with the menu bar in it.
    this.client.style.height = `${design.height - MenuBarHeight}px`;
    this.menu.element.style.height = `${MenuBarHeight}px`;
    this.client.style.backgroundColor = design.color;
    this.client.style.fontFamily = design.fontFamily;
    this.client.style.fontSize = `${design.fontPixels}px`;
    const size = (name: string): ControlDesign => {
      const found = design.controls.find((control) => control.name === name);
      if (!found) throw new Error(`no control named ${name} in the design`);
      return found;
    };
    this.bench = benchButtonDesigns(design, size('Panel5'), size('Panel4'), size('BitBtn4'), design.height - MenuBarHeight);
    this.controls = buildControls(this.client, [...design.controls, ...this.bench]);
    this.announcement = document.createElement('p');
    this.announcement.className = 'visually-hidden';
    this.announcement.id = 'main-announcement';
    this.announcement.setAttribute('role', 'status');
    this.compact = new CompactBench(design.compact, [...design.controls, ...this.bench], this.controls, {
      window: this.element, menu: this.menu.element, caption: this.caption, client: this.client,
    });
    this.element.append(this.caption, this.menu.element, this.client, this.compact.strip, this.announcement);

    const c = this.controls;
    const field = size('Image3');
    this.microscope = new Microscope(core, c.element('Image3'), field.width, field.height, design, (event, command) => this.clock?.atEvent(event, command));
    this.voltmeter = new Voltmeter(core, c.element('Image2'), c.element('Shape1'), dial, design.palette);
    const tube = size('Image1');
    this.thermometer = new Thermometer(core, c.element('Image1'), c.element('Shape2'), tube.width, tube.height);
    this.stopwatch = new Stopwatch(core, c.get('Edit1', HTMLInputElement));
    this.label('Edit7', 'Label3');
    this.label('Edit2', 'Label7');
    this.label('Edit1', 'Label4');
    // A phone brings up its keyboard of figures for the number fields.
    c.element('Edit7').inputMode = 'numeric';
    c.element('Edit2').inputMode = 'decimal';
    c.element('Edit3').inputMode = 'decimal';
    // The row comes after the window's own controls, as it stands below them; on a phone the
    // chosen tab comes before the menu bar.
    const order = [...design.order, ...this.bench.map((button) => button.name)];
    applyKeyboardOrder(c, order, this.element, () => [...this.compact.keyboardStops(), ...this.menu.titles()]);
    // A control that takes the focus shows its tab.
    this.client.addEventListener('focusin', (event) => {
      const name = event.target instanceof HTMLElement ? event.target.closest<HTMLElement>('[data-name]')?.dataset['name'] : undefined;
      if (name) this.compact.reveal(name);
    });
    this.connect();
  }

  private command(name: string): CommandDesign {
    const found = this.design.commands.find((command) => command.name === name);
    if (!found) throw new Error(`no command named ${name} in the design`);
    return found;
  }

  private menuCommand(command: CommandDesign): MenuCommand {
    return {
      caption: () => this.core.catalogueText(command.caption),
      run: (event) => this.run(command.name, event),
      ...(command.key ? { shortcut: command.key } : {}),
      ...(command.checkable ? { checked: () => this.switchOn(command.name) } : {}),
    };
  }

  /** Whether the switch a checkable command flips is on. */
  private switchOn(name: string): boolean {
    if (name === 'brownian') return this.core.brownian();
    if (name === 'realair') return this.core.realAir();
    throw new Error(`the page has no switch ${name}`);
  }

  private menuDesign(menu: MainDesign['menus'][number]): MenuDesign {
    return {
      id: menu.id,
      caption: () => this.core.catalogueText(menu.caption),
      items: menu.entries.map((name) => (name === '' ? 'separator' : this.menuCommand(this.command(name)))),
    };
  }

  /**
   * The commands' keys, wherever the focus is on the bench or in the notebook: F5 starts, F6
   * stops the stopwatch, F7 brings up the notebook, F8 records a row, F9 fires the ionising
   * source, Esc lets the followed droplet go. Returns true when the key was one of them (the
   * browser's own meaning, such as reloading on F5, is then kept from it).
   */
  measuringKey(event: KeyboardEvent): boolean {
    if (this.clock === null || event.altKey || event.ctrlKey || event.metaKey) return false;
    if (event.key === 'Escape') {
      this.clock.atEvent(event, () => this.core.letGo());
      return true;
    }
    const command = this.design.commands.find((c) => c.key !== '' && c.key === event.key);
    if (!command) return false;
    this.run(command.name, event);
    return true;
  }

  /** The focus back on the bench, at the microscope, as after closing the notebook. */
  focusMicroscope(): void {
    this.controls.element('Image3').querySelector<HTMLElement>('[tabindex="0"]')?.focus();
  }

  /** A command of the table, from its key, its menu item or its button. */
  run(name: string, event: Event): void {
    const act = (command: () => number): void => this.clock?.atEvent(event, command);
    switch (name) {
      case 'end':
        return this.commands.end(event);
      case 'about':
        return this.commands.about();
      case 'guide':
        return this.commands.guide();
      case 'language':
        return this.commands.language();
      case 'teacher':
        return this.commands.teacher();
      case 'notebook':
        return this.commands.notebook();
      case 'start':
        return act(() => this.core.startStopwatch());
      case 'stop':
        return act(() => this.core.stopStopwatch());
      case 'record':
        return act(() => this.core.record());
      case 'ionise':
        return act(() => this.core.ionise());
      case 'brownian':
        return act(() => this.core.setBrownian(!this.core.brownian()));
      case 'realair':
        return act(() => this.core.setRealAir(!this.core.realAir()));
      default:
        throw new Error(`the page has no command ${name}`);
    }
  }

  /** The field is named by the label beside it. */
  private label(field: string, label: string): void {
    this.controls.element(field).setAttribute('aria-labelledby', this.controls.element(label).id);
  }

  private connect(): void {
    const c = this.controls;
    const act = (name: string, command: () => number): void => {
      c.element(name).addEventListener('click', (event) => this.clock?.atEvent(event, command));
    };
    act('BitBtn1', () => this.core.inject());
    act('BitBtn2', () => this.core.reversePolarity());
    act('BitBtn3', () => this.core.switchSupply());
    c.element('BitBtn4').addEventListener('click', (event) => this.run('start', event));
    c.element('BitBtn5').addEventListener('click', (event) => this.run('stop', event));
    c.element('BitBtn6').addEventListener('click', (event) => this.run('end', event));
    for (const { name, command } of this.design.bench) {
      c.element(name).addEventListener('click', (event) => this.run(command, event));
    }

    for (const [name, which] of MainWindow.fields) {
      const input = c.get(name, HTMLInputElement);
      // A rewrite goes into the field at once, so that the next key lands in the text it shows.
      input.addEventListener('input', (event) => this.clock?.atEvent(event, () => this.showFields(this.core.fieldChanged(which, input.value, true))));
    }
    // Enter or leaving the field: it shows the value in force, whatever was left in it.
    for (const [name, which] of [['Edit2', Field.temperature], ['Edit3', Field.pressure]] as const) {
      const input = c.get(name, HTMLInputElement);
      const finish = (): void => {
        const changes = this.showFields(this.core.editingFinished(which));
        this.clock?.changed(changes);
      };
      input.addEventListener('change', finish);
      input.addEventListener('blur', finish);
      input.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') finish();
      });
    }
    this.spinButtons('UpDown1', c.get('Edit7', HTMLInputElement), Field.voltage);
    this.spinButtons('UpDown2', c.get('Edit2', HTMLInputElement), Field.temperature);
    this.spinButtons('UpDown3', c.get('Edit3', HTMLInputElement), Field.pressure);

    for (const [name, axis] of [['ScrollBar1', 0], ['ScrollBar2', 1]] as const) {
      const bar = c.get(name, HTMLInputElement);
      bar.addEventListener('input', (event) => this.clock?.atEvent(event, () => this.core.shiftView(axis, Number(bar.value))));
    }
  }

  /** Spin buttons step the field's number: by their arrows, and by the Up and Down keys in the
   *  field or on an arrow. */
  private spinButtons(name: string, field: HTMLInputElement, which: FieldCode): void {
    const spin = (event: Event, direction: 1 | -1): void => this.clock?.atEvent(event, () => this.showFields(this.core.spin(which, direction)));
    const group = this.controls.element(name);
    for (const arrow of group.querySelectorAll<HTMLButtonElement>('button')) {
      const direction = arrow.dataset['direction'] === 'up' ? 1 : -1;
      repeatWhileHeld(arrow, (event) => spin(event, direction));
    }
    for (const target of [field, group]) {
      target.addEventListener('keydown', (event) => {
        if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
        event.preventDefault();
        spin(event, event.key === 'ArrowUp' ? 1 : -1);
      });
    }
  }

  /** The number fields: each field's control, its code and the change that redraws it. */
  private static readonly fields: readonly [string, FieldCode, number][] = [
    ['Edit7', Field.voltage, Changed.VoltageField],
    ['Edit2', Field.temperature, Changed.TemperatureField],
    ['Edit3', Field.pressure, Changed.PressureField],
  ];

  /** The fields' texts as the core has them, at once; returns the changes for the next frame. */
  private showFields(changes: number): number {
    for (const [name, which, flag] of MainWindow.fields) {
      if (!(changes & flag)) continue;
      const input = this.controls.get(name, HTMLInputElement);
      const text = this.core.fieldText(which);
      if (input.value !== text) input.value = text;
    }
    return changes;
  }

  /** The scroll bars and their readouts as the core has them. */
  private showReadouts(): void {
    for (const [name, bar, axis] of [['Label1', 'ScrollBar1', 0], ['Label2', 'ScrollBar2', 1]] as const) {
      const readout = this.core.readout(axis);
      this.controls.element(name).textContent = readout;
      const scroll = this.controls.get(bar, HTMLInputElement);
      scroll.value = String(this.core.scrollPosition(axis));
      scroll.setAttribute('aria-valuetext', readout.trim());
    }
  }

  /** A new run at the identifier: the window drawn afresh from what the core's run begins with
   *  (its fields, scroll bars and stopwatch as designed). */
  begin(identifier: string, clock: SimulationClock, changes: number): void {
    this.identifier = identifier;
    this.clock = clock;
    this.applyCaptions();
    this.draw(changes);
    this.controls.element('BitBtn1').focus();
  }

  /** The catalogue's texts on the window, as after a change of language. */
  applyCaptions(): void {
    const text = (n: number): string => this.core.catalogueText(n);
    const title = this.core.title(this.design.titleCaption, this.identifier);
    this.caption.textContent = title;
    document.title = title;
    this.menu.applyCaptions();
    applyDesignCaptions(this.controls, [...this.design.controls, ...this.bench], text);
    for (const { name, command } of this.design.bench) {
      this.controls.element(name).setAttribute('aria-keyshortcuts', this.command(command).key);
    }
    const names: [string, number, number][] = [
      ['UpDown1', Text.RaiseVoltage, Text.LowerVoltage],
      ['UpDown2', Text.RaiseTemperature, Text.LowerTemperature],
      ['UpDown3', Text.RaisePressure, Text.LowerPressure],
    ];
    for (const [name, up, down] of names) {
      const arrows = this.controls.element(name).querySelectorAll('button');
      arrows[0]?.setAttribute('aria-label', text(up));
      arrows[1]?.setAttribute('aria-label', text(down));
    }
    // The pressure's name says its unit, as on the desktop.
    this.controls.element('Edit3').setAttribute('aria-label', text(Text.PressureColumn));
    this.controls.element('ScrollBar1').setAttribute('aria-label', text(Text.ShiftViewAcross));
    this.controls.element('ScrollBar2').setAttribute('aria-label', text(Text.ShiftViewUpDown));
    this.compact.applyCaptions(text);
    this.microscope.applyCaptions();
    this.voltmeter.applyCaptions();
    this.thermometer.applyCaptions();
  }

  /** Alt with a letter: a button of the window or a menu of its bar. */
  pressMnemonic(key: string, event: Event): boolean {
    if (this.menu.pressMnemonic(key)) return true;
    for (const name of this.controls.names()) {
      const element = this.controls.element(name);
      if (element instanceof HTMLButtonElement && element.dataset['mnemonic'] === key) {
        this.compact.reveal(name);
        element.focus();
        element.click();
        event.preventDefault();
        return true;
      }
    }
    return false;
  }

  /** Laid out for the stage: scaled whole, or the compact layout of a phone. */
  resize(layout: StageLayout): void {
    if (layout.compact) this.compact.apply(layout.width, layout.height);
    else this.compact.restore();
    const scaleOf = (name: string): number => (layout.compact ? this.compact.scaleOf(name) : layout.scale);
    this.microscope.resize(scaleOf('Image3'), layout.dpr, layout.compact);
    // On a phone the dial's figures are never drawn under the smallest text.
    this.voltmeter.resize(scaleOf('Image2'), layout.dpr, layout.compact ? this.design.compact.smallestText : 0);
    this.thermometer.resize(scaleOf('Image1'), layout.dpr);
  }

  /** Draws what the changes touched (a sum of the core's Changed flags). */
  draw(changes: number): void {
    if (changes & Changed.Markers) this.microscope.drawMarkers();
    if (changes & Changed.Description) this.microscope.describe();
    if (changes & Changed.Column) this.thermometer.drawColumn();
    if (changes & Changed.Stopwatch) this.stopwatch.draw();
    if (changes & Changed.Supply) this.voltmeter.draw();
    if (changes & Changed.Readouts) this.showReadouts();
    // The pressure control is there while the chamber holds real air.
    if (changes & Changed.RealAir) {
      this.controls.element('Panel6').hidden = !this.core.realAir();
      this.compact.show();
      this.commands.notebookRedrawn();
    }
    this.showFields(changes);
    if (changes & Changed.Announcement) this.announcement.textContent = this.core.announcement();
    if (changes & Changed.Notebook) this.commands.notebookChanged();
  }
}

/** Held, a spin button steps again and again, as the desktop's do: once at once, then after a
 *  pause at a steady pace until it is let go. A click from the keyboard (or the page) steps once. */
function repeatWhileHeld(arrow: HTMLButtonElement, step: (event: Event) => void): void {
  const FirstRepeatMs = 400;
  const RepeatMs = 80;
  let timer = 0;
  const release = (): void => {
    window.clearTimeout(timer);
    window.clearInterval(timer);
    timer = 0;
  };
  arrow.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    release();
    step(event);
    timer = window.setTimeout(() => {
      timer = window.setInterval(() => step(new Event('repeat')), RepeatMs);
    }, FirstRepeatMs);
  });
  for (const end of ['pointerup', 'pointercancel', 'pointerleave', 'blur'] as const) arrow.addEventListener(end, release);
  // A long press is no request for the context menu.
  arrow.addEventListener('contextmenu', (event) => event.preventDefault());
  arrow.addEventListener('click', (event) => {
    if (event.detail === 0) step(event);
  });
}
