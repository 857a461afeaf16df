// The microscope: the field picture with its reticle and, over it, the droplets' markers where the
// core places them, the followed one red with a ring around it. A focusable canvas: a click or tap
// near a marker follows that droplet, Space/Enter and the arrows choose one from the keyboard.
// Its text alternative is the core's description of the view (at most once a second, so that a
// screen reader is not flooded).

import { panned, pinched, scaleBar, Unzoomed, type Pinch, type ViewZoom } from '../compact';
import { Text, type Core } from '../core';
import type { MainDesign } from '../coreShapes';
import { deviceSpan } from '../fit';
import { pickRadius, viewPoint } from '../pointing';
import { backCanvas, context2d, drawPicture, pictureCanvas } from './pictures';

const DescriptionIntervalMs = 1000;
/** A finger that slides further than this, CSS pixels, moves the magnified view instead of
 *  tapping. */
const SlideCss = 10;
/** The scale label's text and the longest its bar may be, CSS pixels. */
const LabelTextCss = 13;
const LongestBarCss = 96;

/** A finger's gesture on the view in the compact layout. */
type Gesture =
  | { kind: 'tap'; down: PointerEvent; x: number; y: number }
  | { kind: 'slide'; view: ViewZoom; x: number; y: number }
  | { kind: 'pinch'; view: ViewZoom; from: Pinch };

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
  /** The reticle's scale bar with the length it stands for, on a phone: it follows the
   *  magnification. */
  private readonly scaleLabel: HTMLDivElement;
  private readonly scaleBar: HTMLSpanElement;
  private readonly scaleText: HTMLSpanElement;
  /** On a phone two fingers magnify and move the view, a tap follows a droplet. */
  private compact = false;
  private view: ViewZoom = Unzoomed;
  private frameScale = 1;
  private readonly fingers = new Map<number, { x: number; y: number }>();
  private gesture: Gesture | null = null;

  constructor(
    private readonly core: Core,
    private readonly frame: HTMLElement,
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
    this.scaleLabel = document.createElement('div');
    this.scaleLabel.className = 'scale-label';
    this.scaleLabel.setAttribute('aria-hidden', 'true');
    this.scaleLabel.hidden = true;
    this.scaleBar = document.createElement('span');
    this.scaleBar.className = 'scale-bar';
    this.scaleText = document.createElement('span');
    this.scaleLabel.append(this.scaleBar, this.scaleText);
    frame.append(this.field, this.markers, this.scaleLabel, this.description, this.hint);
    const follow = (event: PointerEvent, clientX: number, clientY: number): void => {
      const reach = pickRadius(event.pointerType, design.microscope);
      const at = viewPoint(clientX, clientY, this.markers.getBoundingClientRect(), width, height, reach);
      act(event, () => this.core.followAt(at.x, at.y, at.radius));
    };
    this.markers.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      if (this.compact && event.pointerType === 'touch') return this.fingerDown(event);
      follow(event, event.clientX, event.clientY);
    });
    this.markers.addEventListener('pointermove', (event) => this.fingerMoved(event));
    this.markers.addEventListener('pointerup', (event) => {
      const gesture = this.fingerUp(event);
      // A tap follows the droplet where the finger came down.
      if (gesture?.kind === 'tap') follow(event, gesture.x, gesture.y);
    });
    this.markers.addEventListener('pointercancel', (event) => this.fingerUp(event));
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

  /** Backs the view at the scale; on a phone (`compact`) fingers may magnify it. */
  resize(scale: number, dpr: number, compact = false): void {
    this.factor = drawPicture(this.field, this.picture, this.width, this.height, scale, dpr);
    backCanvas(this.markers, this.width, this.height, scale, dpr);
    // A canvas backed afresh is empty.
    this.drawn = [];
    this.drawMarkers();
    // The magnified view keeps its place in the field when the frame changes size.
    const ratio = this.frameScale > 0 ? scale / this.frameScale : 1;
    this.frameScale = scale;
    this.compact = compact;
    this.scaleLabel.hidden = !compact;
    this.magnify(compact ? { zoom: this.view.zoom, x: this.view.x * ratio, y: this.view.y * ratio } : Unzoomed);
  }

  /** The frame's size on the page, CSS pixels. */
  private frameCss(): number {
    return this.width * this.frameScale;
  }

  /** Shows the view magnified and moved, and says so on the scale label. */
  private magnify(view: ViewZoom): void {
    this.view = view;
    const s = this.frameScale;
    // The layers stand inside the frame's own scale: their offsets are in its pixels.
    const transform = view.zoom === 1 ? '' : `translate(${-view.x / s}px, ${-view.y / s}px) scale(${view.zoom})`;
    this.field.style.transform = transform;
    this.markers.style.transform = transform;
    if (!this.compact) return;
    const cssPerMicron = (s * view.zoom) / (this.design.microscope.nanometresPerPixel / 1000);
    const bar = scaleBar(cssPerMicron, LongestBarCss);
    this.scaleBar.style.width = `${bar.css / s}px`;
    this.scaleLabel.style.fontSize = `${LabelTextCss / s}px`;
    this.scaleText.textContent = `${bar.microns} µm`;
  }

  private fingerPoint(event: PointerEvent): { x: number; y: number } {
    const frame = this.frame.getBoundingClientRect();
    return { x: event.clientX - frame.left, y: event.clientY - frame.top };
  }

  private pinchOfFingers(): Pinch {
    const [a, b] = [...this.fingers.values()];
    if (!a || !b) return { x: 0, y: 0, distance: 0 };
    return { x: (a.x + b.x) / 2, y: (a.y + b.y) / 2, distance: Math.hypot(a.x - b.x, a.y - b.y) };
  }

  private fingerDown(event: PointerEvent): void {
    this.markers.setPointerCapture?.(event.pointerId);
    const point = this.fingerPoint(event);
    this.fingers.set(event.pointerId, point);
    if (this.fingers.size === 1) this.gesture = { kind: 'tap', down: event, x: event.clientX, y: event.clientY };
    else if (this.fingers.size === 2) this.gesture = { kind: 'pinch', view: this.view, from: this.pinchOfFingers() };
  }

  private fingerMoved(event: PointerEvent): void {
    if (!this.fingers.has(event.pointerId)) return;
    const point = this.fingerPoint(event);
    this.fingers.set(event.pointerId, point);
    const gesture = this.gesture;
    const largest = this.design.compact.largestZoom;
    if (gesture?.kind === 'pinch' && this.fingers.size >= 2) {
      this.magnify(pinched(gesture.view, gesture.from, this.pinchOfFingers(), this.frameCss(), largest));
    } else if (gesture?.kind === 'tap') {
      const frame = this.frame.getBoundingClientRect();
      const start = { x: gesture.x - frame.left, y: gesture.y - frame.top };
      if (Math.hypot(point.x - start.x, point.y - start.y) > SlideCss) this.gesture = { kind: 'slide', view: this.view, x: start.x, y: start.y };
    }
    if (this.gesture?.kind === 'slide') {
      this.magnify(panned(this.gesture.view, point.x - this.gesture.x, point.y - this.gesture.y, this.frameCss(), largest));
    }
  }

  /** A finger lifted: returns the gesture it ended, if it was the last. */
  private fingerUp(event: PointerEvent): Gesture | null {
    if (!this.fingers.delete(event.pointerId)) return null;
    const gesture = this.gesture;
    if (this.fingers.size === 0) {
      this.gesture = null;
      return event.type === 'pointerup' ? gesture : null;
    }
    // One of two fingers lifted: the other slides the view on from here.
    const [rest] = [...this.fingers.values()];
    if (rest) this.gesture = { kind: 'slide', view: this.view, x: rest.x, y: rest.y };
    return null;
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
