// Where the page's pointer lands in the microscope's view, and how near a marker it must come, in
// the design's terms; and file names for what the page saves.

import type { MicroscopeDesign } from './coreShapes';

/** A click or tap follows a droplet when its marker is at most this far away, CSS pixels: a
 *  finger covers more than a mouse pointer. */
export function pickRadius(pointerType: string, microscope: MicroscopeDesign): number {
  return pointerType === 'touch' ? microscope.tapReach : microscope.clickReach;
}

export interface ViewPoint {
  /** From the view centre, view pixels. */
  x: number;
  y: number;
  /** The pick radius in view pixels. */
  radius: number;
}

/** The rectangle the view is drawn in on the page (CSS pixels), as getBoundingClientRect gives. */
export interface PageRect {
  left: number;
  top: number;
  width: number;
  height: number;
}

/**
 * A pointer at (clientX, clientY) over a view of `width` x `height` view pixels drawn in `rect`:
 * the point from the view's centre pixel (where the core's marker offsets start) and the pick
 * radius, both in view pixels.
 */
export function viewPoint(clientX: number, clientY: number, rect: PageRect, width: number, height: number, cssRadius: number): ViewPoint {
  const sx = rect.width > 0 ? width / rect.width : 1;
  const sy = rect.height > 0 ? height / rect.height : 1;
  return {
    // A marker's offset names the pixel its dot is centred on; that pixel's centre is half a
    // pixel further.
    x: (clientX - rect.left) * sx - Math.floor(width / 2) - 0.5,
    y: (clientY - rect.top) * sy - Math.floor(height / 2) - 0.5,
    radius: cssRadius * Math.max(sx, sy),
  };
}

/** A file name from the identifier: characters file systems refuse become "_". */
export function fileNameFor(identifier: string, extension: string): string {
  const base = identifier.trim().replace(/[\\/:*?"<>|\u0000-\u001f]/g, '_') || 'notebook';
  return `${base}.${extension}`;
}
