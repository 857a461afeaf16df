// The stage: on a large screen the main window and the dialogs scaled as one to fit the browser
// window whole; on a phone or a small tablet the compact layout, which the main window lays out
// itself, with the dialogs as sheets. Laid out again when the window turns or is resized, or the
// device pixel ratio changes.

import { isCompact } from './compact';
import type { CompactDesign } from './coreShapes';
import { centredOffset, fitScale, targetDesignSize } from './fit';

/** The main window's height beyond its design client: the caption bar. */
export const CaptionHeight = 20;
/** The menu bar's height, taken from the top of the design's client area as the desktop's is. */
export const MenuBarHeight = 25;

/** How the window is to be laid out: scaled whole (`compact` false), or the compact layout for a
 *  viewport of that size. */
export interface StageLayout {
  compact: boolean;
  width: number;
  height: number;
  /** The whole stage's scale; 1 in the compact layout. */
  scale: number;
  dpr: number;
}

export type Resized = (layout: StageLayout) => void;

export class Stage {
  readonly layer: HTMLElement;
  private layout: StageLayout = { compact: false, width: 0, height: 0, scale: 1, dpr: 1 };
  private dprQuery: MediaQueryList | null = null;

  constructor(
    private readonly window: HTMLElement,
    private readonly designWidth: number,
    private readonly designHeight: number,
    private readonly compact: CompactDesign,
    private readonly onResize: Resized,
  ) {
    const layer = document.getElementById('stage-layer');
    if (!layer) throw new Error('the page has no stage');
    this.layer = layer;
    layer.append(window);
    addEventListener('resize', () => this.fit());
    this.fit();
  }

  get currentScale(): number {
    return this.layout.scale;
  }

  get isCompact(): boolean {
    return this.layout.compact;
  }

  fit(): void {
    const view = document.documentElement;
    const width = view.clientWidth;
    const height = view.clientHeight;
    const compact = isCompact(width, height, this.compact);
    view.classList.toggle('compact', compact);
    const scale = compact ? 1 : fitScale(width, height, this.designWidth, this.designHeight);
    const s = this.layer.style;
    s.zoom = String(scale);
    s.setProperty('--hit', compact ? `${this.compact.targetSize}px` : `${targetDesignSize(scale)}px`);
    if (!compact) {
      // Offsets inside the zoomed layer are in design pixels.
      this.window.style.left = `${centredOffset(width, this.designWidth, scale) / scale}px`;
      this.window.style.top = `${centredOffset(height, this.designHeight, scale) / scale}px`;
    }
    const dpr = window.devicePixelRatio || 1;
    this.watchPixelRatio(dpr);
    this.layout = { compact, width, height, scale, dpr };
    this.onResize(this.layout);
  }

  /** A change of the device pixel ratio (browser zoom, another screen) re-backs the canvases. */
  private watchPixelRatio(dpr: number): void {
    this.dprQuery?.removeEventListener('change', this.onPixelRatio);
    this.dprQuery = matchMedia(`(resolution: ${dpr}dppx)`);
    this.dprQuery.addEventListener('change', this.onPixelRatio);
  }

  private readonly onPixelRatio = (): void => this.fit();
}
