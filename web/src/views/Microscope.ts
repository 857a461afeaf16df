// The microscope: the field picture with its reticle and, over it, the droplets' markers where the
// core places them, the followed one red with a ring around it. A focusable canvas: a click or tap
// near a marker follows that droplet, Space/Enter and the arrows choose one from the keyboard.
// Its text alternative is the core's description of the view (at most once a second, so that a
// screen reader is not flooded).

import { Text, type Core } from '../core';
import type { MainDesign } from '../coreShapes';
import { deviceSpan } from '../fit';
import { pickRadius, viewPoint } from '../pointing';
import { backCanvas, context2d, drawPicture, pictureCanvas } from './pictures';

const DescriptionIntervalMs = 1000;

/** Runs a command at an event's time (the ticks due by then first) and draws what it changed. */
export type EventAction = (event: Event, command: () => number) => void;

export class Microscope {
  private readonly field: HTMLCanvasElement;
  private readonly markers: HTMLCanvasElement;
  private readonly description: HTMLParagraphElement;
  private readonly picture: HTMLCanvasElement;
  private factor = { x: 1, y: 1 };
  /** Device rectangles of the markers drawn last: x, y, width, height each. */
  private drawn: number[] = [];
  private lastDescribed = -Infinity;
  private described = '';
  private describedCount = '';
  private describeTimer = 0;
  private readonly hint: HTMLParagraphElement;

  constructor(
    private readonly core: Core,
    frame: HTMLElement,
    private readonly width: number,
    private readonly height: number,
    private readonly design: MainDesign,
    act: EventAction,
  ) {
    this.picture = pictureCanvas(core.picture('field'));
    this.field = document.createElement('canvas');
    this.field.className = 'layer';
    this.field.setAttribute('aria-hidden', 'true');
    this.markers = document.createElement('canvas');
    this.markers.className = 'layer moving';
    this.markers.setAttribute('role', 'img');
    this.description = document.createElement('p');
    this.description.className = 'visually-hidden';
    this.description.id = 'microscope-description';
    this.description.setAttribute('aria-live', 'polite');
    this.hint = document.createElement('p');
    this.hint.className = 'visually-hidden';
    this.hint.id = 'microscope-keys';
    this.markers.setAttribute('aria-describedby', this.hint.id);
    this.markers.tabIndex = 0;
    this.markers.id = 'microscope';
    frame.append(this.field, this.markers, this.description, this.hint);
    this.markers.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      const reach = pickRadius(event.pointerType, design.microscope);
      const at = viewPoint(event.clientX, event.clientY, this.markers.getBoundingClientRect(), width, height, reach);
      act(event, () => this.core.followAt(at.x, at.y, at.radius));
    });
    this.markers.addEventListener('keydown', (event) => {
      if (event.altKey || event.ctrlKey || event.metaKey) return;
      // The core says which keys choose a droplet; the others are the browser's.
      let chose = false;
      act(event, () => {
        const changes = this.core.followKey(event.key);
        chose = changes !== null;
        return changes ?? 0;
      });
      if (chose) event.preventDefault();
    });
  }

  applyCaptions(): void {
    this.markers.setAttribute('aria-label', this.core.catalogueText(Text.PageMicroscope));
    this.hint.textContent = this.core.catalogueText(Text.MicroscopeKeys);
    this.described = '';
    this.describedCount = '';
    this.describe();
  }

  resize(scale: number, dpr: number): void {
    this.factor = drawPicture(this.field, this.picture, this.width, this.height, scale, dpr);
    backCanvas(this.markers, this.width, this.height, scale, dpr);
    // A canvas backed afresh is empty.
    this.drawn = [];
    this.drawMarkers();
  }

  drawMarkers(): void {
    const context = context2d(this.markers);
    // Only the markers' own pixels are cleared and drawn: a few hundred pixels a frame rather
    // than the whole view, so that the page repaints little.
    for (let i = 0; i + 3 < this.drawn.length; i += 4) {
      context.clearRect(this.drawn[i] ?? 0, this.drawn[i + 1] ?? 0, this.drawn[i + 2] ?? 0, this.drawn[i + 3] ?? 0);
    }
    this.drawn = [];
    const { markerSize } = this.design.microscope;
    context.fillStyle = this.design.palette.marker;
    const places = this.core.markers();
    const followed = this.core.followed();
    const cx = Math.floor(this.width / 2);
    const cy = Math.floor(this.height / 2);
    for (let i = 0; i + 2 < places.length; i += 3) {
      if (places[i] !== 1) continue;
      const left = cx + (places[i + 1] ?? 0) - markerSize / 2;
      const top = cy + (places[i + 2] ?? 0) - markerSize / 2;
      if (i / 3 + 1 === followed) {
        this.drawFollowed(context, left, top);
        continue;
      }
      const x = deviceSpan(left, markerSize, this.factor.x);
      const y = deviceSpan(top, markerSize, this.factor.y);
      context.fillRect(x.start, y.start, x.length, y.length);
      this.drawn.push(x.start, y.start, x.length, y.length);
    }
    this.describe();
  }

  /** The followed droplet: a red dot with a red ring around it, told apart by shape as well. */
  private drawFollowed(context: CanvasRenderingContext2D, left: number, top: number): void {
    const { markerSize, ringMargin, ringWidth } = this.design.microscope;
    const x = deviceSpan(left - ringMargin, markerSize + 2 * ringMargin, this.factor.x);
    const y = deviceSpan(top - ringMargin, markerSize + 2 * ringMargin, this.factor.y);
    const dotX = deviceSpan(left, markerSize, this.factor.x);
    const dotY = deviceSpan(top, markerSize, this.factor.y);
    context.save();
    context.fillStyle = this.design.palette.followed;
    context.strokeStyle = this.design.palette.followed;
    context.fillRect(dotX.start, dotY.start, dotX.length, dotY.length);
    const thickness = ringWidth * this.factor.x;
    context.lineWidth = thickness;
    context.beginPath();
    context.ellipse(x.start + x.length / 2, y.start + y.length / 2, (x.length - thickness) / 2, (y.length - thickness) / 2, 0, 0, 2 * Math.PI);
    context.stroke();
    context.restore();
    this.drawn.push(x.start - 1, y.start - 1, x.length + 2, y.length + 2);
  }

  /** The core's description of the view and the count in view, brought up to date at most once a
   *  second. */
  describe(): void {
    if (this.describeTimer !== 0) return;
    const wait = this.lastDescribed + DescriptionIntervalMs - performance.now();
    if (wait > 0) {
      this.describeTimer = window.setTimeout(() => {
        this.describeTimer = 0;
        this.describe();
      }, wait);
      return;
    }
    this.lastDescribed = performance.now();
    const text = this.core.microscopeDescription();
    if (text !== this.described) {
      this.described = text;
      this.markers.setAttribute('aria-description', text);
    }
    // The count alone is announced as it changes, in the core's words for none, one and more.
    const count = this.core.dropletsInView();
    if (count !== this.describedCount) {
      this.describedCount = count;
      this.description.textContent = count;
    }
  }
}
