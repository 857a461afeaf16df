// Drawing the core's pictures and shapes on canvases backed at device resolution: pictures scaled
// nearest-neighbour, rectangles on whole device pixels.

import type { CorePicture } from '../core';
import { backingPixels } from '../fit';

/** The picture as a canvas of its own size, to draw scaled from. */
export function pictureCanvas(picture: CorePicture): HTMLCanvasElement {
  const canvas = document.createElement('canvas');
  canvas.width = picture.width;
  canvas.height = picture.height;
  const context = canvas.getContext('2d');
  if (!context) throw new Error('no 2D canvas');
  context.putImageData(new ImageData(picture.rgba, picture.width, picture.height), 0, 0);
  return canvas;
}

/** Backs the canvas at its design size on the device; returns device pixels per design pixel
 *  (horizontally and vertically). */
export function backCanvas(canvas: HTMLCanvasElement, width: number, height: number, scale: number, dpr: number): { x: number; y: number } {
  const w = backingPixels(width, scale, dpr);
  const h = backingPixels(height, scale, dpr);
  if (canvas.width !== w) canvas.width = w;
  if (canvas.height !== h) canvas.height = h;
  canvas.style.width = `${width}px`;
  canvas.style.height = `${height}px`;
  return { x: w / width, y: h / height };
}

export function context2d(canvas: HTMLCanvasElement): CanvasRenderingContext2D {
  const context = canvas.getContext('2d', { alpha: true });
  if (!context) throw new Error('no 2D canvas');
  context.imageSmoothingEnabled = false;
  return context;
}

/** Backs the canvas at its design size and draws the picture on it from its top-left corner,
 *  cut to that size, as the desktop's picture controls show theirs; returns device pixels per
 *  design pixel. */
export function drawPicture(canvas: HTMLCanvasElement, picture: HTMLCanvasElement, width: number, height: number, scale: number, dpr: number): { x: number; y: number } {
  const factor = backCanvas(canvas, width, height, scale, dpr);
  const w = Math.min(picture.width, width);
  const h = Math.min(picture.height, height);
  context2d(canvas).drawImage(picture, 0, 0, w, h, 0, 0, Math.round(w * factor.x), Math.round(h * factor.y));
  return factor;
}
