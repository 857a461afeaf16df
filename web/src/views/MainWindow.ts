// The experiment bench: the main window built from the core's design, its views and the handlers
// that forward each control to the core.

import { Changed, type Core, type SpinField } from '../core';
import type { SimulationClock } from '../clock';
import { applyKeyboardOrder, buildControls, setCaption, type ControlDesign, type ControlSet, type MainDesign } from '../design';
import { parseMnemonic } from '../mnemonic';
import { MenuBarHeight } from '../stage';
import { measuringCommandOf, type MeasuringCommand } from '../pointing';
import { MeasuringButtons, measuringButtonDesigns } from './MeasuringButtons';
import { MenuBar, type MenuCommand } from './Menus';
import { Microscope } from './Microscope';
import { Stopwatch } from './Stopwatch';
import { Thermometer } from './Thermometer';
import { Voltmeter, type DialDrawing } from './Voltmeter';

/** The catalogue's texts of the Measurement menu. */
const MeasurementTexts = { menu: 20, notebook: 21, ionise: 22, brownian: 23, start: 620, stop: 621, record: 622 } as const;

export interface MainWindowCommands {
  end: (event: Event) => void;
  about: () => void;
  guide: () => void;
  language: () => void;
  /** F7: the notebook window brought up. */
  notebook: () => void;
  /** A row was recorded: the notebook is kept and shown again. */
  recorded: () => void;
}

export class MainWindow {
  readonly element: HTMLDivElement;
  readonly menu: MenuBar;
  private readonly caption: HTMLDivElement;
  private readonly client: HTMLDivElement;
  private readonly controls: ControlSet;
  private readonly microscope: Microscope;
  private readonly voltmeter: Voltmeter;
  private readonly thermometer: Thermometer;
  private readonly stopwatch: Stopwatch;
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
    const text = (n: number): string => core.catalogueText(n);
    const m = design.menu;
    const measuring = (n: number, command: MeasuringCommand, shortcut: string): MenuCommand => ({
      caption: () => text(n),
      run: (event) => this.measure(command, event),
      shortcut,
    });
    this.menu = new MenuBar({ caption: () => text(m.end.text), run: commands.end }, [
      {
        id: 'menu-measurement',
        caption: () => text(MeasurementTexts.menu),
        items: [
          measuring(MeasurementTexts.start, 'start', 'F5'),
          measuring(MeasurementTexts.stop, 'stop', 'F6'),
          measuring(MeasurementTexts.record, 'record', 'F8'),
          'separator',
          measuring(MeasurementTexts.notebook, 'notebook', 'F7'),
          measuring(MeasurementTexts.ionise, 'ionise', 'F9'),
          {
            caption: () => text(MeasurementTexts.brownian),
            run: () => core.setBrownian(!core.brownian()),
            checked: () => core.brownian(),
          },
        ],
      },
      {
        id: 'menu-help',
        caption: () => text(m.help.text),
        items: [
          { caption: () => text(m.about.text), run: () => commands.about() },
          { caption: () => text(m.guide.text), run: () => commands.guide() },
          'separator',
          { caption: () => text(m.language.text), run: () => commands.language() },
        ],
      },
    ]);
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
    const measuringRow = measuringButtonDesigns(size('Panel5'), size('Panel4'), size('BitBtn4'), design.height - MenuBarHeight);
    this.controls = buildControls(this.client, [...design.controls, ...measuringRow]);
    this.announcement = document.createElement('p');
    this.announcement.className = 'visually-hidden';
    this.announcement.id = 'main-announcement';
    this.announcement.setAttribute('role', 'status');
    this.element.append(this.caption, this.menu.element, this.client, this.announcement);

    const c = this.controls;
    const field = size('Image3');
    this.microscope = new Microscope(core, c.element('Image3'), field.width, field.height, (event, command) => this.clock?.atEvent(event, command));
    this.voltmeter = new Voltmeter(core, c.element('Image2'), c.element('Shape1'), dial);
    const tube = size('Image1');
    this.thermometer = new Thermometer(core, c.element('Image1'), c.element('Shape2'), tube.width, tube.height);
    this.stopwatch = new Stopwatch(core, c.get('Edit1', HTMLInputElement));
    this.label('Edit7', 'Label3');
    this.label('Edit2', 'Label7');
    this.label('Edit1', 'Label4');
    // The row comes after the window's own controls, as it stands below them.
    const order = [...design.order, ...MeasuringButtons.map((button) => button.name)];
    applyKeyboardOrder(c, order, this.element, () => this.menu.titles());
    this.connect(commands);
  }

  /**
   * The measuring keys, wherever the focus is on the bench or in the notebook: F5 starts, F6
   * stops the stopwatch, F7 brings up the notebook, F8 records a row, F9 fires the ionising
   * source, Esc lets the followed droplet go. Returns true when the key was one of them (the
   * browser's own meaning, such as reloading on F5, is then kept from it).
   */
  measuringKey(event: KeyboardEvent): boolean {
    if (this.clock === null || event.altKey || event.ctrlKey || event.metaKey) return false;
    if (event.key === 'Escape') {
      this.clock.atEvent(event, () => {
        this.core.release();
        return Changed.Markers;
      });
      return true;
    }
    const command = measuringCommandOf(event.key);
    if (command === null) return false;
    this.measure(command, event);
    return true;
  }

  private announce(text: string): void {
    this.announcement.textContent = text;
  }

  /** The focus back on the bench, at the microscope, as after closing the notebook. */
  focusMicroscope(): void {
    this.controls.element('Image3').querySelector<HTMLElement>('[tabindex="0"]')?.focus();
  }

  /** A measuring command, from its key, its menu item or its button. */
  measure(command: MeasuringCommand, event: Event): void {
    this.clock?.atEvent(event, () => {
      switch (command) {
        case 'start':
          this.core.startStopwatch();
          return Changed.Stopwatch;
        case 'stop':
          this.core.stopStopwatch();
          this.announce(this.core.stopwatchStoppedText());
          return Changed.Stopwatch;
        case 'record':
          this.core.record();
          this.announce(this.core.rowRecordedText());
          this.commands.recorded();
          return 0;
        case 'ionise':
          this.core.ionise();
          return 0;
        case 'notebook':
          this.commands.notebook();
          return 0;
      }
    });
  }

  /** The field is named by the label beside it. */
  private label(field: string, label: string): void {
    this.controls.element(field).setAttribute('aria-labelledby', this.controls.element(label).id);
  }

  private connect(commands: MainWindowCommands): void {
    const c = this.controls;
    const act = (name: string, command: () => number | void): void => {
      c.element(name).addEventListener('click', (event) => this.clock?.atEvent(event, command));
    };
    act('BitBtn1', () => this.core.inject() | this.showScrollBars());
    act('BitBtn2', () => this.core.reversePolarity());
    act('BitBtn3', () => this.core.switchSupply());
    act('BitBtn4', () => this.core.startStopwatch());
    c.element('BitBtn5').addEventListener('click', (event) => this.measure('stop', event));
    c.element('BitBtn6').addEventListener('click', (event) => commands.end(event));
    for (const { name, command } of MeasuringButtons) {
      c.element(name).addEventListener('click', (event) => this.measure(command, event));
    }

    const voltage = c.get('Edit7', HTMLInputElement);
    voltage.addEventListener('input', (event) =>
      this.clock?.atEvent(event, () => {
        const shown = this.core.voltageTyped(voltage.value);
        if (shown !== null && shown !== voltage.value) voltage.value = shown;
        return Changed.Supply;
      }),
    );
    const temperature = c.get('Edit2', HTMLInputElement);
    temperature.addEventListener('input', (event) =>
      this.clock?.atEvent(event, () => {
        this.core.temperatureTyped(temperature.value);
      }),
    );
    const finishTemperature = (): void => {
      temperature.value = this.core.temperatureText();
    };
    temperature.addEventListener('change', finishTemperature);
    temperature.addEventListener('blur', finishTemperature);
    temperature.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') finishTemperature();
    });
    this.spinButtons('UpDown1', voltage, 1);
    this.spinButtons('UpDown2', temperature, 2);

    for (const [name, axis] of [['ScrollBar1', 0], ['ScrollBar2', 1]] as const) {
      const bar = c.get(name, HTMLInputElement);
      bar.addEventListener('input', (event) => this.clock?.atEvent(event, () => this.core.shiftView(axis, Number(bar.value))));
    }
  }

  /** Spin buttons step the field's number: by their arrows, and by the Up and Down keys in the
   *  field or on an arrow. */
  private spinButtons(name: string, field: HTMLInputElement, which: SpinField): void {
    const spin = (event: Event, direction: 1 | -1): void =>
      this.clock?.atEvent(event, () => {
        const shown = this.core.spin(which, direction, field.value);
        if (shown !== null) field.value = shown;
        return which === 1 ? Changed.Supply : 0;
      });
    const group = this.controls.element(name);
    for (const arrow of group.querySelectorAll<HTMLButtonElement>('button')) {
      const direction = arrow.dataset['direction'] === 'up' ? 1 : -1;
      arrow.addEventListener('click', (event) => spin(event, direction));
    }
    for (const target of [field, group]) {
      target.addEventListener('keydown', (event) => {
        if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
        event.preventDefault();
        spin(event, event.key === 'ArrowUp' ? 1 : -1);
      });
    }
  }

  /** The scroll bars and their readouts as the core has them. */
  private showScrollBars(): number {
    for (const [name, axis] of [['ScrollBar1', 0], ['ScrollBar2', 1]] as const) {
      const bar = this.controls.get(name, HTMLInputElement);
      bar.value = String(this.core.scrollPosition(axis));
    }
    return Changed.Readouts;
  }

  private showReadouts(): void {
    for (const [name, bar, axis] of [['Label1', 'ScrollBar1', 0], ['Label2', 'ScrollBar2', 1]] as const) {
      const readout = this.core.readout(axis);
      this.controls.element(name).textContent = readout;
      this.controls.element(bar).setAttribute('aria-valuetext', readout.trim());
    }
  }

  /** A new run: the window as created, at the identifier. */
  begin(identifier: string, clock: SimulationClock): void {
    this.identifier = identifier;
    this.clock = clock;
    for (const c of this.design.controls) {
      const element = this.controls.element(c.name);
      if (element instanceof HTMLInputElement) element.value = c.kind.endsWith('ScrollBar') ? String(c.position) : c.text;
    }
    this.applyCaptions();
    this.draw(-1);
    this.controls.element('BitBtn1').focus();
  }

  /** The catalogue's texts on the window, as after a change of language. */
  applyCaptions(): void {
    const text = (n: number): string => this.core.catalogueText(n);
    const title = this.core.title(this.identifier);
    this.caption.textContent = title;
    document.title = title;
    this.menu.applyCaptions();
    for (const [name, n] of Object.entries(this.design.captions)) {
      const element = this.controls.element(name);
      const caption = text(n);
      if (element instanceof HTMLButtonElement) {
        const plain = this.design.noMnemonic.includes(name);
        setCaption(element, plain ? parseMnemonic(caption).text.replaceAll('&', '&&') : caption);
      } else {
        element.textContent = parseMnemonic(caption).text;
      }
    }
    for (const { name, text: n, key } of MeasuringButtons) {
      const element = this.controls.element(name);
      setCaption(element, parseMnemonic(text(n)).text.replaceAll('&', '&&'));
      element.setAttribute('aria-keyshortcuts', key);
    }
    const names: [string, number, number][] = [['UpDown1', 604, 605], ['UpDown2', 606, 607]];
    for (const [name, up, down] of names) {
      const arrows = this.controls.element(name).querySelectorAll('button');
      arrows[0]?.setAttribute('aria-label', text(up));
      arrows[1]?.setAttribute('aria-label', text(down));
    }
    this.controls.element('ScrollBar1').setAttribute('aria-label', text(608));
    this.controls.element('ScrollBar2').setAttribute('aria-label', text(609));
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
        element.focus();
        element.click();
        event.preventDefault();
        return true;
      }
    }
    return false;
  }

  resize(scale: number, dpr: number): void {
    this.microscope.resize(scale, dpr);
    this.voltmeter.resize(scale, dpr);
    this.thermometer.resize(scale, dpr);
  }

  /** Draws what the changes touched (-1: everything). */
  draw(changes: number): void {
    if (changes & Changed.Markers) this.microscope.drawMarkers();
    if (changes & Changed.Column) this.thermometer.drawColumn();
    if (changes & Changed.Stopwatch) this.stopwatch.draw();
    if (changes & Changed.Supply) this.voltmeter.draw();
    if (changes & Changed.Readouts) this.showReadouts();
  }
}
