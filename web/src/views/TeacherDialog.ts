// The teacher's settings of a lesson, as on the desktop: the language, the notebook's
// calculations, Brownian motion, real air, the class code and the droplets to time, and what they
// give: the address with its QR code, the desktop's Tessilar.ini lines, a copy of this page with
// the settings inside and a SCORM 1.2 package of it. The core writes every one of those texts.

import qrcode from 'qrcode-generator';
import { strToU8, zipSync } from 'fflate';
import { Text, type Core } from '../core';
import type { LessonSettings } from '../coreShapes';
import { applyDesignCaptions, applyKeyboardOrder, type WindowDesign } from '../design';
import { DialogWindow } from './DialogWindow';
import { download } from './NotebookDialog';

/** White modules around the code, as readers need. */
const QuietZone = 4;

export class TeacherDialog {
  private readonly window: DialogWindow;
  private readonly language: HTMLSelectElement;
  private readonly boxes: { calculations: HTMLInputElement; brownian: HTMLInputElement; realAir: HTMLInputElement };
  private readonly field: { classCode: HTMLInputElement; droplets: HTMLInputElement; page: HTMLInputElement; address: HTMLInputElement };
  private readonly qr: HTMLCanvasElement;
  private readonly ini: HTMLTextAreaElement;
  private readonly status: HTMLElement;

  /** `page` is this page's own text as it was opened, to copy with the settings inside. */
  constructor(
    private readonly core: Core,
    private readonly design: WindowDesign,
    private readonly page: string,
  ) {
    this.window = new DialogWindow('teacher', design);
    const c = this.window.controls;
    this.language = c.get('ComboBox1', HTMLSelectElement);
    for (const [code, name] of core.lessonLanguages()) this.language.add(new Option(name, code));
    const box = (name: string): HTMLInputElement => {
      const input = c.element(name).querySelector('input');
      if (!input) throw new Error(`the check box ${name} has no box`);
      return input;
    };
    this.boxes = { calculations: box('CheckBox1'), brownian: box('CheckBox2'), realAir: box('CheckBox3') };
    this.field = {
      classCode: c.get('Edit1', HTMLInputElement),
      droplets: c.get('Edit2', HTMLInputElement),
      page: c.get('Edit3', HTMLInputElement),
      address: c.get('Edit4', HTMLInputElement),
    };
    this.field.droplets.inputMode = 'numeric';
    this.qr = document.createElement('canvas');
    this.qr.setAttribute('role', 'img');
    c.element('Image1').append(this.qr);
    this.ini = c.get('Memo1', HTMLTextAreaElement);
    this.status = c.element('Label7');
    this.status.setAttribute('role', 'status');
    for (const control of [this.language, ...Object.values(this.boxes), ...Object.values(this.field)]) {
      control.addEventListener('input', () => this.refresh());
      control.addEventListener('change', () => this.refresh());
    }
    this.spinButtons();
    c.element('Button1').addEventListener('click', () => void this.copyAddress());
    c.element('Button2').addEventListener('click', () => this.savePage());
    c.element('Button3').addEventListener('click', () => this.saveScorm());
    c.element('OKBtn').addEventListener('click', () => this.window.close());
    applyKeyboardOrder(c, design.order);
  }

  /** Shown with the settings in force. */
  show(inForce: LessonSettings): void {
    const text = (n: number): string => this.core.catalogueText(n);
    this.window.setTitle(text(this.design.titleCaption));
    applyDesignCaptions(this.window.controls, this.design.controls, text);
    this.qr.setAttribute('aria-label', text(Text.QrCodeName));
    const named: [HTMLElement, number][] = [
      [this.field.classCode, Text.ClassCodeLabel], [this.field.droplets, Text.DropletsLabel],
      [this.field.page, Text.PageAddressLabel], [this.field.address, Text.AddressLabel], [this.ini, Text.IniLabel],
    ];
    for (const [control, n] of named) control.setAttribute('aria-label', text(n));
    this.language.value = inForce.lang ?? 'hu';
    this.boxes.calculations.checked = inForce.calculations ?? true;
    this.boxes.brownian.checked = inForce.brownian ?? false;
    this.boxes.realAir.checked = inForce.realAir ?? false;
    this.field.classCode.value = inForce.classCode ?? '';
    this.field.droplets.value = String(inForce.droplets ?? 8);
    this.field.page.value = `${location.origin === 'null' ? location.protocol + '//' : location.origin}${location.pathname}`;
    this.status.textContent = '';
    this.refresh();
    this.window.showModal(() => this.window.close());
    this.language.focus();
  }

  /** The settings of the controls as a query, the defaults left out; the core checks it. */
  private query(): string {
    const given = new URLSearchParams();
    if (this.language.value !== 'hu') given.set('lang', this.language.value);
    if (!this.boxes.calculations.checked) given.set('calculations', '0');
    if (this.boxes.brownian.checked) given.set('brownian', '1');
    if (this.boxes.realAir.checked) given.set('realair', '1');
    const code = this.field.classCode.value;
    if (code !== '' && this.core.classCodeFault(code) === null) given.set('class', code);
    if (this.field.droplets.value.trim() !== '8') given.set('droplets', this.field.droplets.value.trim());
    return this.core.settingsQuery(given.toString());
  }

  private address(): string {
    const base = this.field.page.value.trim().replace(/[?#].*$/, '');
    const query = this.query();
    return query === '' ? base : `${base}?${query}`;
  }

  private refresh(): void {
    this.field.address.value = this.address();
    this.ini.value = this.core.iniLines(this.query());
    this.drawCode(this.field.address.value);
    const code = this.field.classCode.value;
    const fault = code === '' ? null : this.core.classCodeFault(code);
    this.status.textContent = fault === null ? '' : this.core.filledText(Text.ClassCodeUnusable, [code, fault]);
  }

  /** The address's QR code, as large as the picture holds it in whole pixels. */
  private drawCode(text: string): void {
    const code = qrcode(0, 'M');
    code.addData(text, 'Byte');
    code.make();
    const modules = code.getModuleCount() + 2 * QuietZone;
    const picture = this.window.controls.element('Image1');
    const side = picture.clientWidth || 140;
    const size = Math.max(1, Math.floor(side / modules));
    this.qr.width = this.qr.height = modules * size;
    const context = this.qr.getContext('2d');
    if (!context) return;
    context.fillStyle = '#fff';
    context.fillRect(0, 0, this.qr.width, this.qr.height);
    context.fillStyle = '#000';
    for (let row = 0; row < code.getModuleCount(); row++) {
      for (let column = 0; column < code.getModuleCount(); column++) {
        if (code.isDark(row, column)) context.fillRect((column + QuietZone) * size, (row + QuietZone) * size, size, size);
      }
    }
  }

  private spinButtons(): void {
    const field = this.field.droplets;
    const step = (direction: 1 | -1): void => {
      const now = Number.parseInt(field.value, 10);
      field.value = String(Math.min(100, Math.max(1, (Number.isFinite(now) ? now : 8) + direction)));
      this.refresh();
    };
    for (const arrow of this.window.controls.element('UpDown1').querySelectorAll<HTMLButtonElement>('button')) {
      arrow.addEventListener('click', () => step(arrow.dataset['direction'] === 'up' ? 1 : -1));
    }
    field.addEventListener('keydown', (event) => {
      if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
      event.preventDefault();
      step(event.key === 'ArrowUp' ? 1 : -1);
    });
  }

  private async copyAddress(): Promise<void> {
    const text = this.field.address.value;
    try {
      await navigator.clipboard.writeText(text);
    } catch {
      // A page opened from the disk may not reach the clipboard's API: the selection does.
      this.field.address.select();
      document.execCommand('copy');
    }
    this.status.textContent = this.core.catalogueText(Text.AddressCopied);
  }

  private pageWithSettings(): string | null {
    const page = this.core.pageWithSettings(this.page, this.query());
    if (page === null) {
      this.status.textContent = this.core.filledText(Text.NoPageToSave, [location.pathname, this.core.catalogueText(Text.NoSettingsPlace)]);
    }
    return page;
  }

  private savePage(): void {
    const page = this.pageWithSettings();
    if (page === null) return;
    download('tessilar.html', page, 'text/html');
    this.status.textContent = this.core.filledText(Text.FileWritten, ['tessilar.html']);
  }

  private saveScorm(): void {
    const page = this.pageWithSettings();
    if (page === null) return;
    const zip = zipSync({ 'imsmanifest.xml': strToU8(this.core.scormManifest()), 'tessilar.html': strToU8(page) }, { level: 9 });
    download('tessilar-scorm12.zip', zip, 'application/zip');
    this.status.textContent = this.core.filledText(Text.FileWritten, ['tessilar-scorm12.zip']);
  }

  get dialog(): HTMLDialogElement {
    return this.window.dialog;
  }
}
