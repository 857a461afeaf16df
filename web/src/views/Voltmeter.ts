// The voltmeter: the dial's fixed drawing from the core, its figures as page text, the needle
// from the core's pivot and end points, and the supply's lamp.

import type { Core } from '../core';
import { Palette } from '../palette';
import { backCanvas, context2d } from './pictures';

interface Box {
  left: number;
  top: number;
  right: number;
  bottom: number;
}

export interface DialDrawing {
  width: number;
  height: number;
  face: string;
  lower: string;
  ink: string;
  lowerTop: number;
  lines: [number, number, number, number][];
  textPixels: number;
  texts: { x: number; y: number; text: string }[];
  scale: Box;
  hub: Box;
}

export class Voltmeter {
  private readonly canvas: HTMLCanvasElement;
  private factor = { x: 1, y: 1 };

  constructor(
    private readonly core: Core,
    frame: HTMLElement,
    private readonly lamp: HTMLElement,
    private readonly dial: DialDrawing,
  ) {
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'layer';
    this.canvas.setAttribute('role', 'img');
    frame.append(this.canvas);
    for (const figure of dial.texts) {
      const text = document.createElement('span');
      text.className = 'dial-figure';
      text.textContent = figure.text;
      text.style.left = `${figure.x}px`;
      text.style.top = `${figure.y}px`;
      text.style.fontSize = `${dial.textPixels}px`;
      text.setAttribute('aria-hidden', 'true');
      frame.append(text);
    }
  }

  applyCaptions(): void {
    this.canvas.setAttribute('aria-label', this.core.catalogueText(602));
  }

  resize(scale: number, dpr: number): void {
    this.factor = backCanvas(this.canvas, this.dial.width, this.dial.height, scale, dpr);
    this.draw();
  }

  draw(): void {
    const c = context2d(this.canvas);
    const d = this.dial;
    const fx = this.factor.x;
    const fy = this.factor.y;
    c.setTransform(1, 0, 0, 1, 0, 0);
    c.fillStyle = d.face;
    c.fillRect(0, 0, this.canvas.width, this.canvas.height);
    c.fillStyle = d.lower;
    const lowerTop = Math.round(d.lowerTop * fy);
    c.fillRect(0, lowerTop, this.canvas.width, this.canvas.height - lowerTop);
    // Lines of one design pixel, drawn through pixel centres at the device's scale.
    c.setTransform(fx, 0, 0, fy, 0, 0);
    c.strokeStyle = d.ink;
    c.lineWidth = 1;
    c.lineCap = 'butt';
    c.beginPath();
    for (const [x1, y1, x2, y2] of d.lines) {
      c.moveTo(x1 + 0.5, y1 + 0.5);
      c.lineTo(x2 + 0.5, y2 + 0.5);
    }
    const s = d.scale;
    const rx = (s.right - s.left) / 2;
    const ry = (s.bottom - s.top) / 2;
    const cx = s.left + rx;
    const cy = s.top + ry;
    // The upper part of the ellipse, from its upper right corner's direction round to its upper
    // left's, as the desktop's arc runs.
    const start = Math.atan2(((s.top - cy) / ry) * rx, s.right - cx);
    const end = Math.atan2(((s.top - cy) / ry) * rx, s.left - cx);
    c.moveTo(cx + rx * Math.cos(start), cy + ry * Math.sin(start));
    c.ellipse(cx, cy, rx - 0.5, ry - 0.5, 0, start, end, true);
    c.stroke();
    const h = d.hub;
    c.fillStyle = d.ink;
    c.beginPath();
    c.ellipse((h.left + h.right) / 2, (h.top + h.bottom) / 2, (h.right - h.left) / 2, (h.bottom - h.top) / 2, 0, 0, 2 * Math.PI);
    c.fill();
    const n = this.core.needle();
    c.beginPath();
    c.moveTo(n.x0 + 0.5, n.y0 + 0.5);
    c.lineTo(n.x1 + 0.5, n.y1 + 0.5);
    c.stroke();
    c.setTransform(1, 0, 0, 1, 0, 0);
    this.lamp.style.backgroundColor = this.core.lampOn() ? Palette.lampOn : Palette.lampOff;
  }
}
