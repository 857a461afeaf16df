// The stage: the main window and the dialogs scaled as one to fit the browser window whole,
// re-fitted when the window or the device pixel ratio changes.

import { centredOffset, fitScale, targetDesignSize } from './fit';

/** The main window's height beyond its design client: the caption bar. */
export const CaptionHeight = 20;
/** The menu bar's height, taken from the top of the design's client area as the desktop's is. */
export const MenuBarHeight = 25;

export type Resized = (scale: number, dpr: number) => void;

export class Stage {
  readonly layer: HTMLElement;
  private scale = 1;
  private dprQuery: MediaQueryList | null = null;

  constructor(
    private readonly window: HTMLElement,
    private readonly designWidth: number,
    private readonly designHeight: number,
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
    return this.scale;
  }

  fit(): void {
    const view = document.documentElement;
    const width = view.clientWidth;
    const height = view.clientHeight;
    this.scale = fitScale(width, height, this.designWidth, this.designHeight);
    const s = this.layer.style;
    s.zoom = String(this.scale);
    s.setProperty('--hit', `${targetDesignSize(this.scale)}px`);
    // Offsets inside the zoomed layer are in design pixels.
    this.window.style.left = `${centredOffset(width, this.designWidth, this.scale) / this.scale}px`;
    this.window.style.top = `${centredOffset(height, this.designHeight, this.scale) / this.scale}px`;
    const dpr = window.devicePixelRatio || 1;
    this.watchPixelRatio(dpr);
    this.onResize(this.scale, dpr);
  }

  /** A change of the device pixel ratio (browser zoom, another screen) re-backs the canvases. */
  private watchPixelRatio(dpr: number): void {
    this.dprQuery?.removeEventListener('change', this.onPixelRatio);
    this.dprQuery = matchMedia(`(resolution: ${dpr}dppx)`);
    this.dprQuery.addEventListener('change', this.onPixelRatio);
  }

  private readonly onPixelRatio = (): void => this.fit();
}
