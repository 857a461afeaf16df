// How the page's pointer and keys become the core's measuring commands: where a click lands in the
// microscope's view, how near a marker it must be, and which keys time and record.

import { FollowKey, type FollowKeyCode } from './core';

/** A click or tap follows a droplet when its marker is at most this far away, CSS pixels: a
 *  finger covers more than a mouse pointer. */
export function pickRadius(pointerType: string): number {
  return pointerType === 'touch' ? 12 : 6;
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

/** The choice a key makes on the focused microscope, or null for any other key. */
export function followKeyOf(key: string): FollowKeyCode | null {
  switch (key) {
    case ' ':
    case 'Enter':
      return FollowKey.nearest;
    case 'ArrowLeft':
      return FollowKey.left;
    case 'ArrowRight':
      return FollowKey.right;
    case 'ArrowUp':
      return FollowKey.up;
    case 'ArrowDown':
      return FollowKey.down;
    default:
      return null;
  }
}

export type MeasuringCommand = 'start' | 'stop' | 'notebook' | 'record' | 'ionise';

/** The function keys of measuring, which work wherever the focus is in the bench. */
export function measuringCommandOf(key: string): MeasuringCommand | null {
  const commands: Record<string, MeasuringCommand> = { F5: 'start', F6: 'stop', F7: 'notebook', F8: 'record', F9: 'ionise' };
  return commands[key] ?? null;
}

/** A file name from the identifier: characters file systems refuse become "_". */
export function fileNameFor(identifier: string, extension: string): string {
  const base = identifier.trim().replace(/[\\/:*?"<>|\u0000-\u001f]/g, '_') || 'notebook';
  return `${base}.${extension}`;
}
