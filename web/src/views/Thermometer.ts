// The thermometer: its picture, and the liquid column whose top the core works out from the
// chamber temperature.

import { Text, type Core } from '../core';
import { drawPicture, pictureCanvas } from './pictures';

export class Thermometer {
  private readonly canvas: HTMLCanvasElement;
  private readonly picture: HTMLCanvasElement;

  constructor(
    private readonly core: Core,
    frame: HTMLElement,
    private readonly column: HTMLElement,
    private readonly width: number,
    private readonly height: number,
  ) {
    this.picture = pictureCanvas(core.picture('thermometer'));
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'layer';
    this.canvas.setAttribute('role', 'img');
    frame.append(this.canvas);
  }

  applyCaptions(): void {
    this.canvas.setAttribute('aria-label', this.core.catalogueText(Text.PageThermometer));
  }

  resize(scale: number, dpr: number): void {
    drawPicture(this.canvas, this.picture, this.width, this.height, scale, dpr);
  }

  /** The column covers the panel's rows from the core's top to its bottom (none when empty). */
  drawColumn(): void {
    const top = this.core.columnTop();
    const height = Math.max(this.core.columnBottom() - top, 0);
    this.column.style.top = `${top}px`;
    this.column.style.height = `${height}px`;
    this.column.hidden = height === 0;
  }
}
