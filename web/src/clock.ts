// Simulated time from the page's clock: every animation frame runs the ticks due by now (the core
// counts them from the run's start, never from frames), and every click or key press first runs
// the ticks due by its own time stamp, so that it acts at its own moment. What changed is drawn
// once per frame, however many ticks ran; a hidden tab catches up on its return in one batch.

import type { Core } from './core';

export type Drawer = (changes: number) => void;

export class SimulationClock {
  private frame = 0;
  private pending = 0;
  private running = false;

  constructor(
    private readonly core: Core,
    private readonly draw: Drawer,
  ) {}

  start(): void {
    if (this.running) return;
    this.running = true;
    document.addEventListener('visibilitychange', this.onVisibility);
    this.frame = requestAnimationFrame(this.onFrame);
  }

  stop(): void {
    this.running = false;
    cancelAnimationFrame(this.frame);
    document.removeEventListener('visibilitychange', this.onVisibility);
    this.pending = 0;
  }

  /** Runs the ticks due before the event, then lets the caller act; what both change is drawn
   *  at the next frame. */
  atEvent(event: Event, act: () => number | void): void {
    if (this.running) this.pending |= this.core.runUntil(eventTime(event));
    const changes = act();
    if (typeof changes === 'number') this.pending |= changes;
    this.flushSoon();
  }

  /** Changes made outside an event (a dialog's result) are drawn at the next frame. */
  changed(changes: number): void {
    this.pending |= changes;
    this.flushSoon();
  }

  private flushSoon(): void {
    if (document.visibilityState === 'hidden') return;
    cancelAnimationFrame(this.frame);
    if (this.running) this.frame = requestAnimationFrame(this.onFrame);
  }

  private readonly onFrame = (): void => {
    if (!this.running) return;
    this.catchUp();
    this.frame = requestAnimationFrame(this.onFrame);
  };

  private catchUp(): void {
    const changes = this.pending | this.core.runUntil(performance.now());
    this.pending = 0;
    if (changes !== 0) this.draw(changes);
  }

  private readonly onVisibility = (): void => {
    if (!this.running || document.visibilityState !== 'visible') return;
    // Back from a hidden tab: all the ticks missed run now, and the view is drawn once.
    this.catchUp();
  };
}

/** The moment of an event on the page clock; never later than now. */
export function eventTime(event: Pick<Event, 'timeStamp'>, now: number = performance.now()): number {
  const stamp = event.timeStamp;
  return Number.isFinite(stamp) && stamp > 0 ? Math.min(stamp, now) : now;
}
