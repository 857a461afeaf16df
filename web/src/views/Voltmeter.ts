// The voltmeter: the dial's drawing from the core (the strokes the desktop paints, its figures as
// page text), the needle from the core's pivot and end points, and the supply's lamp.

import { Text, type Core } from '../core';
import type { DialDrawing, Palette } from '../coreShapes';
import { backCanvas, context2d } from './pictures';

export class Voltmeter {
  private readonly canvas: HTMLCanvasElement;
  private factor = { x: 1, y: 1 };
  /** The dial's figures, each with its design corner and its centre at the design size. */
  private readonly figures: { text: HTMLSpanElement; left: number; top: number; centreX: number; centreY: number }[] = [];

  constructor(
    private readonly core: Core,
    frame: HTMLElement,
    private readonly lamp: HTMLElement,
    private readonly dial: DialDrawing,
    private readonly palette: Palette,
  ) {
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'layer';
    this.canvas.setAttribute('role', 'img');
    frame.append(this.canvas);
    for (const figure of dial.strokes.filter((stroke) => stroke.kind === 'figure')) {
      const text = document.createElement('span');
      text.className = 'dial-figure';
      text.textContent = figure.text;
      text.style.left = `${figure.points[0] ?? 0}px`;
      text.style.top = `${figure.points[1] ?? 0}px`;
      text.style.fontSize = `${dial.figurePixels}px`;
      text.style.backgroundColor = figure.color;
      text.setAttribute('aria-hidden', 'true');
      frame.append(text);
      const left = figure.points[0] ?? 0;
      const top = figure.points[1] ?? 0;
      const width = figureWidth(figure.text, dial.figurePixels);
      this.figures.push({ text, left, top, centreX: left + width / 2, centreY: top + dial.figurePixels / 2 });
    }
  }

  applyCaptions(): void {
    this.canvas.setAttribute('aria-label', this.core.catalogueText(Text.PageVoltmeter));
  }

  /** Backs the dial for the scale; its figures are drawn no smaller than `smallestCss` CSS
   *  pixels (0 for the design's size). */
  resize(scale: number, dpr: number, smallestCss = 0): void {
    this.factor = backCanvas(this.canvas, this.dial.width, this.dial.height, scale, dpr);
    const size = Math.max(this.dial.figurePixels, scale > 0 ? smallestCss / scale : 0);
    const grown = size > this.dial.figurePixels;
    for (const { text, left, top, centreX, centreY } of this.figures) {
      // A figure drawn larger keeps its centre where the design has it.
      text.style.fontSize = `${size}px`;
      text.style.left = `${grown ? centreX : left}px`;
      text.style.top = `${grown ? centreY : top}px`;
      text.style.transform = grown ? 'translate(-50%, -50%)' : '';
    }
    this.draw();
  }

  draw(): void {
    const c = context2d(this.canvas);
    const d = this.dial;
    const fx = this.factor.x;
    const fy = this.factor.y;
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.strokeStyle = d.ink;
    c.lineWidth = 1;
    c.lineCap = 'butt';
    for (const { kind, points, color } of d.strokes) {
      const [x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0] = points;
      switch (kind) {
        case 'fill': {
          // Whole device pixels, so that the band's edge is as sharp as the desktop's.
          c.setTransform(1, 0, 0, 1, 0, 0);
          c.fillStyle = color;
          const top = Math.round(y1 * fy);
          c.fillRect(Math.round(x1 * fx), top, Math.round(x2 * fx) - Math.round(x1 * fx), Math.round(y2 * fy) - top);
          break;
        }
        case 'line':
          // Lines of one design pixel, drawn through pixel centres at the device's scale.
          c.setTransform(fx, 0, 0, fy, 0, 0);
          c.beginPath();
          c.moveTo(x1 + 0.5, y1 + 0.5);
          c.lineTo(x2 + 0.5, y2 + 0.5);
          c.stroke();
          break;
        case 'arc': {
          c.setTransform(fx, 0, 0, fy, 0, 0);
          const rx = (x2 - x1) / 2;
          const ry = (y2 - y1) / 2;
          const cx = x1 + rx;
          const cy = y1 + ry;
          // Counter-clockwise on the screen from the direction of the first point to that of the
          // second, as the desktop's arc runs.
          const start = Math.atan2(((y3 - cy) / ry) * rx, x3 - cx);
          const end = Math.atan2(((y4 - cy) / ry) * rx, x4 - cx);
          c.beginPath();
          c.ellipse(cx, cy, rx - 0.5, ry - 0.5, 0, start, end, true);
          c.stroke();
          break;
        }
        case 'disc':
          c.setTransform(fx, 0, 0, fy, 0, 0);
          c.fillStyle = color;
          c.beginPath();
          c.ellipse((x1 + x2) / 2, (y1 + y2) / 2, (x2 - x1) / 2, (y2 - y1) / 2, 0, 0, 2 * Math.PI);
          c.fill();
          break;
        case 'figure':
          break; // page text over the canvas
        default:
          throw new Error(`the dial has a stroke the page does not know: ${kind}`);
      }
    }
    c.setTransform(fx, 0, 0, fy, 0, 0);
    const n = this.core.needle();
    c.beginPath();
    c.moveTo(n.x0 + 0.5, n.y0 + 0.5);
    c.lineTo(n.x1 + 0.5, n.y1 + 0.5);
    c.stroke();
    c.setTransform(1, 0, 0, 1, 0, 0);
    this.lamp.style.backgroundColor = this.core.lampOn() ? this.palette.lampOn : this.palette.lampOff;
  }
}

/** The width of a figure at the dial's font size, design pixels. */
function figureWidth(text: string, pixels: number): number {
  const context = document.createElement('canvas').getContext('2d');
  if (!context) return text.length * pixels * 0.55;
  context.font = `${pixels}px 'Liberation Sans', 'DejaVu Sans', Arial, sans-serif`;
  return context.measureText(text).width;
}
