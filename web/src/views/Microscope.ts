// The microscope: the field picture with its reticle and, over it, the droplets' markers where the
// core places them. A canvas with an accessible name, and a text saying how many droplets are in
// view (at most once a second, so that a screen reader is not flooded).

import type { Core } from '../core';
import { deviceSpan } from '../fit';
import { Palette } from '../palette';
import { backCanvas, context2d, drawPicture, pictureCanvas } from './pictures';

/** A marker is a 4 x 4 dot centred on its droplet's pixel. */
const MarkerSize = 4;
const DescriptionIntervalMs = 1000;

export class Microscope {
  private readonly field: HTMLCanvasElement;
  private readonly markers: HTMLCanvasElement;
  private readonly description: HTMLParagraphElement;
  private readonly picture: HTMLCanvasElement;
  private factor = { x: 1, y: 1 };
  /** Device rectangles of the markers drawn last: x, y, width, height each. */
  private drawn: number[] = [];
  private lastDescribed = -Infinity;
  private describedCount = -1;
  private describeTimer = 0;

  constructor(
    private readonly core: Core,
    frame: HTMLElement,
    private readonly width: number,
    private readonly height: number,
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
    this.markers.setAttribute('aria-describedby', this.description.id);
    frame.append(this.field, this.markers, this.description);
  }

  applyCaptions(): void {
    this.markers.setAttribute('aria-label', this.core.catalogueText(600));
    this.describedCount = -1;
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
    context.fillStyle = Palette.marker;
    const places = this.core.markers();
    const cx = Math.floor(this.width / 2);
    const cy = Math.floor(this.height / 2);
    for (let i = 0; i + 2 < places.length; i += 3) {
      if (places[i] !== 1) continue;
      const x = deviceSpan(cx + (places[i + 1] ?? 0) - MarkerSize / 2, MarkerSize, this.factor.x);
      const y = deviceSpan(cy + (places[i + 2] ?? 0) - MarkerSize / 2, MarkerSize, this.factor.y);
      context.fillRect(x.start, y.start, x.length, y.length);
      this.drawn.push(x.start, y.start, x.length, y.length);
    }
    this.describe();
  }

  /** The count of droplets in view, said again only when it changed, at most once a second. */
  private describe(): void {
    const count = this.core.markersInView();
    if (count === this.describedCount || this.describeTimer !== 0) return;
    const wait = this.lastDescribed + DescriptionIntervalMs - performance.now();
    if (wait > 0) {
      this.describeTimer = window.setTimeout(() => {
        this.describeTimer = 0;
        this.describe();
      }, wait);
      return;
    }
    this.lastDescribed = performance.now();
    this.describedCount = count;
    this.description.textContent = this.core.catalogueTextWithNumber(601, count);
  }
}
