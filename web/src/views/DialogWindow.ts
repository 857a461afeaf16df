// A modal dialog of the program: a native <dialog> with a caption bar and a client area of the
// design's size, scaled like the main window.

import { buildControls, type ControlSet, type WindowDesign } from '../design';

export class DialogWindow {
  readonly dialog: HTMLDialogElement;
  readonly client: HTMLDivElement;
  readonly controls: ControlSet;
  private readonly caption: HTMLDivElement;

  constructor(id: string, design: WindowDesign) {
    this.dialog = document.createElement('dialog');
    this.dialog.className = 'window dialog';
    this.dialog.id = `${id}-dialog`;
    this.caption = document.createElement('div');
    this.caption.className = 'caption';
    this.caption.id = `${id}-caption`;
    this.dialog.setAttribute('aria-labelledby', this.caption.id);
    this.client = document.createElement('div');
    this.client.className = 'client';
    this.client.id = id;
    this.client.style.width = `${design.width}px`;
    this.client.style.height = `${design.height}px`;
    this.client.style.backgroundColor = design.color;
    this.client.style.fontFamily = design.fontFamily;
    this.client.style.fontSize = `${design.fontPixels}px`;
    this.controls = buildControls(this.client, design.controls);
    this.dialog.append(this.caption, this.client);
    this.setTitle(design.title);
    document.getElementById('stage-layer')?.append(this.dialog);
  }

  setTitle(title: string): void {
    this.caption.textContent = title;
  }

  /** Shown modally; Escape runs `onCancel` instead of closing the dialog on its own. */
  showModal(onCancel: () => void): void {
    this.dialog.oncancel = (event) => {
      event.preventDefault();
      onCancel();
    };
    if (!this.dialog.open) this.dialog.showModal();
  }

  close(): void {
    if (this.dialog.open) this.dialog.close();
  }

  get isOpen(): boolean {
    return this.dialog.open;
  }
}
