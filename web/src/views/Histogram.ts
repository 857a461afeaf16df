// The histogram of the notebook's charges on a canvas, drawn from the core's layout as the
// desktop's notebook window draws it: teal bars, faint dashed lines at the multiples of the
// estimate, the axes with their ticks, figures and title.

import type { Core } from '../core';
import type { Palette } from '../coreShapes';

const Font = "12px 'Liberation Sans', Arial, sans-serif";
const TextHeight = 15;

export class Histogram {
  readonly canvas: HTMLCanvasElement;

  constructor(
    private readonly core: Core,
    private readonly palette: Palette,
  ) {
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'notebook-histogram';
    this.canvas.setAttribute('role', 'img');
  }

  /** Draws at the canvas's laid-out size (CSS pixels, backed at the device's resolution). */
  draw(label: string): void {
    this.canvas.setAttribute('aria-label', label);
    const width = Math.max(1, Math.round(this.canvas.clientWidth || 600));
    const height = Math.max(1, Math.round(this.canvas.clientHeight || 180));
    const dpr = window.devicePixelRatio || 1;
    this.canvas.width = Math.round(width * dpr);
    this.canvas.height = Math.round(height * dpr);
    const context = this.canvas.getContext('2d');
    if (!context) return;
    context.setTransform(dpr, 0, 0, dpr, 0, 0);
    context.font = Font;
    const g = this.core.histogram(width, height, TextHeight, Math.ceil(context.measureText('000').width));
    context.fillStyle = this.palette.histogramGround;
    context.fillRect(0, 0, width, height);
    if (!g.drawn) return;
    const [left = 0, top = 0, w = 0, h = 0] = g.plot;
    const right = left + w - 1;
    const bottom = top + h - 1;
    context.fillStyle = this.palette.bars;
    for (const [x0 = 0, y0 = 0, x1 = 0, y1 = 0] of g.bars) context.fillRect(x0 / 1000, y0 / 1000, (x1 - x0) / 1000, (y1 - y0) / 1000);
    context.strokeStyle = this.palette.multiples;
    context.setLineDash([4, 2]);
    context.lineWidth = 1;
    for (const x of g.lines) line(context, x / 1000, top, x / 1000, bottom);
    context.setLineDash([]);
    context.strokeStyle = this.palette.ink;
    line(context, left, bottom, right, bottom);
    line(context, left, bottom, left, top);
    for (const x of g.ticks) line(context, x, bottom, x, bottom + g.tickLength);
    context.fillStyle = this.palette.ink;
    for (const { box, text } of g.chargeLabels) write(context, box, text, 'center', 'top');
    for (const { box, text } of g.countLabels) write(context, box, text, 'right', 'middle');
    write(context, g.axisTitle, g.axisTitleText, 'center', 'top');
  }
}

/** A one-pixel line through the pixels' centres. */
function line(context: CanvasRenderingContext2D, x0: number, y0: number, x1: number, y1: number): void {
  context.beginPath();
  context.moveTo(x0 + 0.5, y0 + 0.5);
  context.lineTo(x1 + 0.5, y1 + 0.5);
  context.stroke();
}

function write(context: CanvasRenderingContext2D, [left = 0, top = 0, width = 0, height = 0]: number[], text: string, align: CanvasTextAlign, baseline: CanvasTextBaseline): void {
  context.textAlign = align;
  context.textBaseline = baseline;
  const x = align === 'center' ? left + width / 2 : align === 'right' ? left + width : left;
  const y = baseline === 'middle' ? top + height / 2 : top;
  context.fillText(text, x, y);
}
