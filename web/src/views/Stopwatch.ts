// The stopwatch's display, in simulated time, as the core writes it.

import type { Core } from '../core';

export class Stopwatch {
  constructor(
    private readonly core: Core,
    private readonly display: HTMLInputElement,
  ) {
    display.readOnly = true;
  }

  draw(): void {
    const text = this.core.stopwatchText();
    if (this.display.value !== text) this.display.value = text;
  }
}
