// The arithmetic of the compact layout for phones and small tablets: where the microscope, the
// menu bar, the tabs and their page stand in the viewport, how large a tab's page is drawn, and
// how two fingers magnify and move the microscope's view. The sizes come from the core's compact
// design; CSS pixels throughout unless said otherwise.

import type { CompactDesign, CompactTab } from './coreShapes';

export interface Rect {
  left: number;
  top: number;
  width: number;
  height: number;
}

/** Whether a viewport of that size takes the compact layout. */
export function isCompact(viewWidth: number, viewHeight: number, design: CompactDesign): boolean {
  return viewWidth < design.wideViewport || viewHeight < design.highViewport;
}

/** The compact layout's regions in the viewport. */
export interface CompactFrame {
  /** Held upright (the microscope on top, the page under it) or across (the page beside it). */
  upright: boolean;
  /** The menu bar with the window's title. */
  bar: Rect;
  /** Square. */
  microscope: Rect;
  /** What the chosen tab shows. */
  page: Rect;
  /** The strip of the tabs. */
  tabs: Rect;
}

/** `value` kept within [low, high]; `low` wins where the two cross. */
function clamp(value: number, low: number, high: number): number {
  return Math.max(low, Math.min(value, high));
}

/**
 * The regions of a viewport: the microscope as large as the screen allows (the whole width held
 * upright, the whole height across, on a phone), the page the roomy size where the screen has
 * room to spare and never under its least size unless the microscope would shrink under a
 * phone's width.
 */
export function compactFrame(width: number, height: number, design: CompactDesign): CompactFrame {
  const bar = design.barHeight;
  const strip = design.tabStripHeight;
  const upright = height >= width;
  if (upright) {
    const room = Math.max(0, height - bar - strip);
    const least = Math.min(width, room - design.leastPageHeight, design.phoneWidth);
    const side = Math.max(0, Math.floor(clamp(room - design.roomyPageHeight, least, Math.min(width, room))));
    return {
      upright,
      bar: { left: 0, top: 0, width, height: bar },
      microscope: { left: Math.floor((width - side) / 2), top: bar, width: side, height: side },
      page: { left: 0, top: bar + side, width, height: room - side },
      tabs: { left: 0, top: height - strip, width, height: strip },
    };
  }
  const least = Math.min(height, width - design.leastPageWidth, design.phoneWidth);
  const side = Math.max(0, Math.floor(clamp(width - design.roomyPageWidth, least, height)));
  const column = width - side;
  return {
    upright,
    bar: { left: side, top: 0, width: column, height: bar },
    microscope: { left: 0, top: Math.floor((height - side) / 2), width: side, height: side },
    page: { left: side, top: bar, width: column, height: Math.max(0, height - bar - strip) },
    tabs: { left: side, top: height - strip, width: column, height: strip },
  };
}

/**
 * The scale of a tab's page: as large as fits the page (within its margins), but never smaller
 * than the desktop's at 100 % nor so small that its smallest text, `smallestFontPixels` design
 * pixels, falls under the smallest text size; and never larger than the largest scale.
 */
export function tabScale(tab: Pick<CompactTab, 'width' | 'height'>, page: Rect, smallestFontPixels: number, design: CompactDesign): number {
  const room = { width: page.width - 2 * design.pageMargin, height: page.height - 2 * design.pageMargin };
  const fit = Math.min(room.width / tab.width, room.height / tab.height);
  const readable = Math.max(1, design.smallestText / Math.max(1, smallestFontPixels));
  return Math.max(readable, Math.min(fit, design.largestScalePercent / 100));
}

/** A design length on a control of that scale that is at least `css` CSS pixels once scaled. */
export function designLength(css: number, scale: number): number {
  return scale > 0 ? Math.ceil((css / scale) * 100) / 100 : css;
}

/**
 * The microscope's view under two fingers: magnified `zoom` times and moved so that the point
 * (x, y) of the magnified view stands at the frame's top left corner. The frame is square.
 */
export interface ViewZoom {
  zoom: number;
  x: number;
  y: number;
}

export const Unzoomed: ViewZoom = { zoom: 1, x: 0, y: 0 };

/** Two fingers on the view: the point between them and how far apart they are. */
export interface Pinch {
  x: number;
  y: number;
  distance: number;
}

/** The view kept inside the frame: magnified from 1 to `largest` times, never showing past its
 *  edges. */
export function keptInFrame(view: ViewZoom, frame: number, largest: number): ViewZoom {
  const zoom = clamp(Number.isFinite(view.zoom) ? view.zoom : 1, 1, largest);
  const reach = frame * (zoom - 1);
  const x = clamp(Number.isFinite(view.x) ? view.x : 0, 0, reach);
  const y = clamp(Number.isFinite(view.y) ? view.y : 0, 0, reach);
  return { zoom, x, y };
}

/** The view as two fingers that began at `from` on `start` have moved to `to`: magnified by the
 *  change of their distance, with the point that was under them still under them. */
export function pinched(start: ViewZoom, from: Pinch, to: Pinch, frame: number, largest: number): ViewZoom {
  const zoom = from.distance > 0 ? start.zoom * (to.distance / from.distance) : start.zoom;
  const kept = clamp(zoom, 1, largest);
  // The point of the unmagnified view that was under the fingers.
  const px = (from.x + start.x) / start.zoom;
  const py = (from.y + start.y) / start.zoom;
  return keptInFrame({ zoom: kept, x: kept * px - to.x, y: kept * py - to.y }, frame, largest);
}

/** The view moved by a finger that slid (dx, dy). */
export function panned(start: ViewZoom, dx: number, dy: number, frame: number, largest: number): ViewZoom {
  return keptInFrame({ zoom: start.zoom, x: start.x - dx, y: start.y - dy }, frame, largest);
}

/** The lengths the reticle's scale bar may stand for, micrometres; the reticle ticks every 10. */
const BarLengths = [5, 10, 20, 50, 100, 200];

/** The reticle's scale bar at `cssPerMicron`: the longest usual length whose bar is at most
 *  `longest` CSS pixels (or the shortest, when none is), with the bar's length. */
export function scaleBar(cssPerMicron: number, longest: number): { microns: number; css: number } {
  let microns = BarLengths[0] ?? 10;
  for (const length of BarLengths) if (length * cssPerMicron <= longest) microns = length;
  return { microns, css: microns * cssPerMicron };
}
