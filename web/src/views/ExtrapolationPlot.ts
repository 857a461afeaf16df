// The extrapolation plot of a notebook timed in real air on a canvas, drawn from the core's
// layout as the desktop's notebook window draws it: (q/n)^(2/3) against 1/(p·r), the charges as
// teal squares, the fitted line in red down to the left axis where e is read.

import type { Core } from '../core';
import type { Palette } from '../coreShapes';
import { fitCanvas, line, TextHeight, write } from './plotDrawing';

export class ExtrapolationPlot {
  readonly canvas: HTMLCanvasElement;

  constructor(
    private readonly core: Core,
    private readonly palette: Palette,
  ) {
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'notebook-extrapolation';
    this.canvas.setAttribute('role', 'img');
  }

  /** Draws at the canvas's laid-out size; returns the sentence of its e and b. */
  draw(): string {
    const fitted = fitCanvas(this.canvas, 200);
    if (!fitted) return '';
    const { context, width, height } = fitted;
    const g = this.core.extrapolation(width, height, TextHeight, Math.ceil(context.measureText('0.00').width));
    this.canvas.setAttribute('aria-label', g.name);
    this.canvas.setAttribute('aria-description', g.sentence);
    context.fillStyle = this.palette.histogramGround;
    context.fillRect(0, 0, width, height);
    if (!g.drawn) return g.sentence;
    const [left = 0, top = 0, w = 0, h = 0] = g.plot;
    const right = left + w - 1;
    const bottom = top + h - 1;
    context.strokeStyle = this.palette.ink;
    context.lineWidth = 1;
    line(context, left, bottom, right, bottom);
    line(context, left, bottom, left, top);
    for (const x of g.ticksX) line(context, x, bottom, x, bottom + g.tickLength);
    for (const y of g.ticksY) line(context, left - g.tickLength, y, left, y);
    context.fillStyle = this.palette.ink;
    for (const { box, text } of g.labelsX) write(context, box, text, 'center', 'top');
    for (const { box, text } of g.labelsY) write(context, box, text, 'right', 'middle');
    write(context, g.titleX, g.titleXText, 'center', 'top');
    write(context, g.titleY, g.titleYText, 'left', 'top');
    const [x0 = 0, y0 = 0] = g.lineFrom;
    const [x1 = 0, y1 = 0] = g.lineTo;
    context.strokeStyle = this.palette.fittedLine;
    context.lineWidth = 1.5;
    context.beginPath();
    context.moveTo(x0, y0);
    context.lineTo(x1, y1);
    context.stroke();
    context.fillStyle = this.palette.plotPoints;
    const size = g.pointSize;
    for (const [x = 0, y = 0] of g.points) context.fillRect(x - Math.floor(size / 2), y - Math.floor(size / 2), size, size);
    return g.sentence;
  }
}
