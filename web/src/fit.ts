// The arithmetic of fitting the window's design into the browser window: one scale for the whole
// stage, canvases backed at their size on the device, and rectangles that land on whole device
// pixels (so nothing drawn is blended at its edges).

/** The smallest side of a touch target, CSS pixels (WCAG 2.2, 2.5.8). */
export const MinimumTargetCss = 24;

/** The scale that shows a design of that size whole in the viewport, as large as it fits. */
export function fitScale(viewWidth: number, viewHeight: number, designWidth: number, designHeight: number): number {
  if (!(viewWidth > 0 && viewHeight > 0 && designWidth > 0 && designHeight > 0)) return 1;
  return Math.min(viewWidth / designWidth, viewHeight / designHeight);
}

/** Where the scaled design stands: centred in the viewport, on whole CSS pixels. */
export function centredOffset(view: number, design: number, scale: number): number {
  return Math.max(0, Math.floor((view - design * scale) / 2));
}

/** Device pixels backing a canvas of that design size at the scale and device pixel ratio. */
export function backingPixels(designSize: number, scale: number, devicePixelRatio: number): number {
  return Math.max(1, Math.round(designSize * scale * devicePixelRatio));
}

/** A span of design pixels [start, start + length) on a canvas with `factor` device pixels per
 *  design pixel: whole device pixels, so that neighbouring spans neither overlap nor leave gaps. */
export function deviceSpan(start: number, length: number, factor: number): { start: number; length: number } {
  const from = Math.round(start * factor);
  const to = Math.round((start + length) * factor);
  return { start: from, length: Math.max(1, to - from) };
}

/** The design size of a touch target's smallest side at the scale: never under MinimumTargetCss
 *  CSS pixels once scaled. */
export function targetDesignSize(scale: number): number {
  return scale > 0 ? Math.ceil((MinimumTargetCss / scale) * 100) / 100 : MinimumTargetCss;
}
