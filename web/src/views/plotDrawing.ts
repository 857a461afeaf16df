// What the notebook's plots share on their canvases: the canvas sized to its laid-out box at the
// device's resolution, one-pixel lines and text set in a box as the desktop sets it.

const Font = "12px 'Liberation Sans', Arial, sans-serif";
/** The height of the plots' text, CSS pixels. */
export const TextHeight = 15;

/** The canvas backed at the device's resolution for its laid-out size (`fallbackHeight` before
 *  it is laid out), its context in CSS pixels with the plots' font; null without a context. */
export function fitCanvas(canvas: HTMLCanvasElement, fallbackHeight: number): { context: CanvasRenderingContext2D; width: number; height: number } | null {
  const width = Math.max(1, Math.round(canvas.clientWidth || 600));
  const height = Math.max(1, Math.round(canvas.clientHeight || fallbackHeight));
  const dpr = window.devicePixelRatio || 1;
  canvas.width = Math.round(width * dpr);
  canvas.height = Math.round(height * dpr);
  const context = canvas.getContext('2d');
  if (!context) return null;
  context.setTransform(dpr, 0, 0, dpr, 0, 0);
  context.font = Font;
  return { context, width, height };
}

/** A one-pixel line through the pixels' centres. */
export function line(context: CanvasRenderingContext2D, x0: number, y0: number, x1: number, y1: number): void {
  context.beginPath();
  context.moveTo(x0 + 0.5, y0 + 0.5);
  context.lineTo(x1 + 0.5, y1 + 0.5);
  context.stroke();
}

/** Text set in a box [left, top, width, height], aligned as given. */
export function write(context: CanvasRenderingContext2D, [left = 0, top = 0, width = 0, height = 0]: number[], text: string, align: CanvasTextAlign, baseline: CanvasTextBaseline): void {
  context.textAlign = align;
  context.textBaseline = baseline;
  const x = align === 'center' ? left + width / 2 : align === 'right' ? left + width : left;
  const y = baseline === 'middle' ? top + height / 2 : top;
  context.fillText(text, x, y);
}
