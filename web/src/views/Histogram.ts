// The histogram of the notebook's charges on a canvas, drawn from the core's layout as the
// desktop's notebook window draws it: teal bars, faint dashed lines at the multiples of the
// estimate, the axes with their ticks, figures and title.

import type { Core } from '../core';
import type { Palette } from '../coreShapes';
import { fitCanvas, line, TextHeight, write } from './plotDrawing';

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
    const fitted = fitCanvas(this.canvas, 180);
    if (!fitted) return;
    const { context, width, height } = fitted;
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
