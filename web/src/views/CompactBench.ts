// The bench on a phone or a small tablet: the main window's own controls, with their texts and
// their keyboard order as designed, placed by the core's compact design on tabs beside or under a
// microscope as large as the screen allows, every control at least a finger's size. Given back
// to the design's own places when the window is large again. Only places and sizes change here.

import { compactFrame, designLength, tabScale, type CompactFrame, type Rect } from '../compact';
import type { CompactDesign, CompactTab, ControlDesign } from '../coreShapes';
import { placeControl, type ControlSet } from '../design';

interface TabView {
  design: CompactTab;
  button: HTMLButtonElement;
  /** The window's own controls on the tab. */
  parts: string[];
}

/** The elements of the window the layout moves besides its controls. */
export interface BenchFrame {
  window: HTMLElement;
  menu: HTMLElement;
  caption: HTMLElement;
  client: HTMLElement;
}

export class CompactBench {
  /** The tabs, for the window to place after its client. */
  readonly strip: HTMLDivElement;
  private readonly tabs: TabView[] = [];
  private readonly designs = new Map<string, ControlDesign>();
  /** The window's own control each control stands in (itself, for those of the window). */
  private readonly partOf = new Map<string, string>();
  private readonly scales = new Map<string, number>();
  private chosen: TabView;
  private frame: CompactFrame | null = null;
  /** The frame elements' own styles, given back with the large layout. */
  private largeStyles: string[] | null = null;

  constructor(
    private readonly design: CompactDesign,
    controls: readonly ControlDesign[],
    private readonly set: ControlSet,
    private readonly elements: BenchFrame,
  ) {
    for (const c of controls) {
      this.designs.set(c.name, c);
      const part = c.parent === '' ? c.name : this.partOf.get(c.parent);
      if (part === undefined) throw new Error(`${c.name} stands in ${c.parent}, which comes later in the design`);
      this.partOf.set(c.name, part);
    }
    this.strip = document.createElement('div');
    this.strip.className = 'compact-tabs';
    this.strip.setAttribute('role', 'tablist');
    this.strip.hidden = true;
    const placed = new Set<string>();
    for (const tab of design.tabs) {
      const parts: string[] = [];
      for (const place of tab.places) {
        const c = this.designs.get(place.name);
        if (!c) throw new Error(`the compact design places ${place.name}, which the window does not have`);
        if (c.parent === '') {
          if (placed.has(c.name)) throw new Error(`the compact design places ${c.name} twice`);
          placed.add(c.name);
          parts.push(c.name);
        } else if (!tab.places.some((p) => p.name === this.partOf.get(c.name))) {
          throw new Error(`the compact design places ${c.name} on the ${tab.id} tab without what holds it`);
        }
      }
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'compact-tab';
      button.id = `tab-${tab.id}`;
      button.setAttribute('role', 'tab');
      button.setAttribute('aria-controls', parts.map((name) => set.element(name).id).join(' '));
      const view: TabView = { design: tab, button, parts };
      button.addEventListener('click', () => this.choose(view));
      button.addEventListener('keydown', (event) => this.onTabKey(view, event));
      this.strip.append(button);
      this.tabs.push(view);
    }
    for (const c of controls) {
      if (c.parent === '' && c.name !== design.microscope && !placed.has(c.name)) {
        throw new Error(`${c.name} stands on no tab of the compact design`);
      }
    }
    const first = this.tabs[0];
    if (!first) throw new Error('the compact design has no tab');
    this.chosen = first;
  }

  get isCompact(): boolean {
    return this.frame !== null;
  }

  applyCaptions(text: (n: number) => string): void {
    for (const { design, button } of this.tabs) button.textContent = text(design.caption);
  }

  /** The tab a student can reach now, for the window's keyboard order (none on a large screen). */
  keyboardStops(): HTMLElement[] {
    return this.frame ? [this.chosen.button] : [];
  }

  /** The scale a control is drawn at in the compact layout (the microscope's, or its tab's). */
  scaleOf(name: string): number {
    return this.scales.get(this.partOf.get(name) ?? name) ?? 1;
  }

  /** Lays the window out for a viewport of that size. */
  apply(width: number, height: number): void {
    const e = this.elements;
    const frameElements = [e.window, e.menu, e.caption, e.client];
    this.largeStyles ??= frameElements.map((element) => element.style.cssText);
    const frame = compactFrame(width, height, this.design);
    this.frame = frame;
    this.strip.hidden = false;
    place(e.window, { left: 0, top: 0, width, height });
    place(e.menu, frame.bar);
    place(e.client, frame.page);
    place(this.strip, frame.tabs);
    // The title beside the menus, in what the bar leaves.
    const menus = Math.max(0, ...[...(e.menu.firstElementChild?.children ?? [])].map((item) => (item instanceof HTMLElement ? item.offsetLeft + item.offsetWidth : 0)));
    place(e.caption, { left: frame.bar.left + menus + 8, top: frame.bar.top, width: Math.max(0, frame.bar.width - menus - 16), height: frame.bar.height });

    const microscope = this.designs.get(this.design.microscope);
    if (!microscope) throw new Error(`the window has no ${this.design.microscope}`);
    const zoom = frame.microscope.width / microscope.width;
    this.scales.set(microscope.name, zoom);
    this.zoomed(this.set.element(microscope.name), frame.microscope, zoom);

    const margin = this.design.pageMargin;
    for (const tab of this.tabs) {
      const scale = tabScale(tab.design, frame.page, this.smallestFont(tab), this.design);
      for (const place of tab.design.places) {
        const c = this.designs.get(place.name);
        if (!c) continue;
        const size = { width: place.width || c.width, height: place.height || c.height };
        const element = this.set.element(c.name);
        if (c.parent === '') {
          this.scales.set(c.name, scale);
          this.zoomed(element, { left: margin + place.left * scale, top: margin + place.top * scale, width: size.width * scale, height: size.height * scale }, scale);
        } else {
          placeControl(element, { left: place.left, top: place.top, ...size });
        }
      }
    }
    this.show();
  }

  /** The design's own places again, as on a large screen. */
  restore(): void {
    if (!this.frame) return;
    this.frame = null;
    this.strip.hidden = true;
    const e = this.elements;
    [e.window, e.menu, e.caption, e.client].forEach((element, i) => {
      element.style.cssText = this.largeStyles?.[i] ?? '';
    });
    for (const name of [this.design.microscope, ...this.tabs.flatMap((tab) => tab.design.places.map((p) => p.name))]) {
      const c = this.designs.get(name);
      if (!c) continue;
      const element = this.set.element(name);
      placeControl(element, c);
      element.style.removeProperty('zoom');
      element.style.removeProperty('--hit');
      element.classList.remove('off-tab');
    }
  }

  /** The tab that holds the named control chosen, so that it can be seen and reached. */
  reveal(name: string): void {
    const part = this.partOf.get(name);
    const tab = this.tabs.find((t) => part !== undefined && t.parts.includes(part));
    if (this.frame && tab && tab !== this.chosen) this.choose(tab);
  }

  /** Shows the chosen tab's controls and the tabs that have something to show (the pressure's
   *  only while its panel is there). */
  show(): void {
    if (!this.frame) return;
    const available = (tab: TabView): boolean => tab.parts.some((name) => !this.set.element(name).hidden);
    if (!available(this.chosen)) this.chosen = this.tabs.find(available) ?? this.chosen;
    for (const tab of this.tabs) {
      const on = tab === this.chosen;
      tab.button.hidden = !available(tab);
      tab.button.setAttribute('aria-selected', String(on));
      tab.button.tabIndex = on ? 0 : -1;
      for (const name of tab.parts) this.set.element(name).classList.toggle('off-tab', !on);
    }
  }

  private choose(tab: TabView): void {
    const hadFocus = this.elements.client.contains(document.activeElement);
    this.chosen = tab;
    this.show();
    this.elements.client.scrollTo(0, 0);
    tab.button.scrollIntoView({ block: 'nearest', inline: 'nearest' });
    if (hadFocus) tab.button.focus();
  }

  /** The arrow keys move between the tabs, Home and End to the first and the last. */
  private onTabKey(tab: TabView, event: KeyboardEvent): void {
    const shown = this.tabs.filter((t) => !t.button.hidden);
    const at = shown.indexOf(tab);
    const to = { ArrowRight: at + 1, ArrowLeft: at - 1, Home: 0, End: shown.length - 1 }[event.key];
    if (to === undefined || shown.length === 0) return;
    event.preventDefault();
    const next = shown[(to + shown.length) % shown.length];
    if (!next) return;
    this.choose(next);
    next.button.focus();
  }

  /** A control of the window drawn at `scale` over the CSS rectangle, with a finger-sized hit
   *  area; its own offsets are scaled with it. */
  private zoomed(element: HTMLElement, rect: Rect, scale: number): void {
    placeControl(element, { left: rect.left / scale, top: rect.top / scale, width: rect.width / scale, height: rect.height / scale });
    element.style.setProperty('zoom', String(scale));
    element.style.setProperty('--hit', `${designLength(this.design.targetSize, scale)}px`);
  }

  /** The smallest font of the controls on a tab, design pixels. */
  private smallestFont(tab: TabView): number {
    let smallest = Infinity;
    for (const [name, part] of this.partOf) {
      const font = this.designs.get(name)?.fontPixels ?? 0;
      if (tab.parts.includes(part) && font > 0) smallest = Math.min(smallest, font);
    }
    return Number.isFinite(smallest) ? smallest : this.design.smallestText;
  }
}

/** Puts a frame element at a rectangle of the viewport, CSS pixels. */
function place(element: HTMLElement, rect: Rect): void {
  const s = element.style;
  s.left = `${rect.left}px`;
  s.top = `${rect.top}px`;
  s.width = `${rect.width}px`;
  s.height = `${rect.height}px`;
}
