// The notebook window: the table of timings with the desktop's columns, row selection and
// deleting, the estimate, and the files: export and open CSV, the student's report as PDF. Every
// text and number comes from the core; this only shows them and forwards the buttons. It stays
// open beside the bench (not modal), so the function keys keep timing while it is up.

import { Text, type Core, type LocalMoment } from '../core';
import type { Palette } from '../coreShapes';
import { setCaption } from '../design';
import { fileNameFor } from '../pointing';
import { ExtrapolationPlot } from './ExtrapolationPlot';
import { Histogram } from './Histogram';
import { dialogButton, pageDialog } from './PageDialog';

export interface NotebookEvents {
  /** What a command of the window changed (a row deleted, a file opened), to be drawn and kept. */
  changed: (changes: number) => void;
  /** A message for the student, in the catalogue's words. */
  inform: (text: string) => void;
}

/** Offers bytes as a download under a file name. */
export function download(name: string, bytes: BlobPart, type: string): void {
  const address = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = address;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(address), 60_000);
}

export class NotebookDialog {
  readonly dialog: HTMLDialogElement;
  private readonly caption: HTMLHeadingElement;
  private readonly table: HTMLTableElement;
  private readonly estimate: HTMLParagraphElement;
  private readonly keys: HTMLParagraphElement;
  private readonly buttons: Record<'remove' | 'exportCsv' | 'openCsv' | 'report' | 'classReport' | 'close', HTMLButtonElement>;
  private readonly picker: HTMLInputElement;
  private readonly classPicker: HTMLInputElement;
  /** The class code of the answer key the class's report adds; empty for none. */
  private readonly classCode: HTMLInputElement;
  private readonly classCodeLabel: HTMLLabelElement;
  private readonly histogram: Histogram;
  private readonly extrapolation: ExtrapolationPlot;
  private readonly extrapolated: HTMLParagraphElement;
  private readonly progress: HTMLParagraphElement;
  private readonly selected = new Set<number>();
  private identifier = '';

  constructor(
    private readonly core: Core,
    palette: Palette,
    private readonly events: NotebookEvents,
  ) {
    const { dialog, bar, caption } = pageDialog('notebook', 'guide notebook');
    this.dialog = dialog;
    this.caption = caption;
    const button = dialogButton;
    this.buttons = {
      remove: button(() => this.removeSelected()),
      exportCsv: button(() => download(fileNameFor(this.identifier, 'csv'), this.core.notebookCsv(), 'text/csv')),
      openCsv: button(() => this.picker.click()),
      report: button(() => this.saveReport()),
      classReport: button(() => this.classPicker.click()),
      close: button(() => this.dialog.close()),
    };
    bar.append(this.buttons.close);
    const tools = document.createElement('div');
    tools.className = 'notebook-tools';
    this.classCode = document.createElement('input');
    this.classCode.type = 'text';
    this.classCode.id = 'notebook-class-code';
    this.classCode.className = 'edit class-code';
    this.classCode.autocomplete = 'off';
    this.classCode.spellcheck = false;
    this.classCodeLabel = document.createElement('label');
    this.classCodeLabel.htmlFor = this.classCode.id;
    this.classCodeLabel.className = 'class-code-label';
    tools.append(this.buttons.remove, this.buttons.exportCsv, this.buttons.openCsv, this.buttons.report, this.classCodeLabel, this.classCode, this.buttons.classReport);
    this.picker = document.createElement('input');
    this.picker.type = 'file';
    this.picker.accept = '.csv,text/csv';
    this.picker.hidden = true;
    this.picker.addEventListener('change', () => void this.openFile());
    // The class's notebooks: several files at once, picked or dropped on the window.
    this.classPicker = document.createElement('input');
    this.classPicker.type = 'file';
    this.classPicker.accept = '.csv,text/csv';
    this.classPicker.multiple = true;
    this.classPicker.hidden = true;
    this.classPicker.addEventListener('change', () => {
      const files = [...(this.classPicker.files ?? [])];
      this.classPicker.value = '';
      void this.classReport(files);
    });
    this.dialog.addEventListener('dragover', (event) => {
      if (event.dataTransfer?.types.includes('Files')) event.preventDefault();
    });
    this.dialog.addEventListener('drop', (event) => {
      const files = [...(event.dataTransfer?.files ?? [])];
      if (files.length === 0) return;
      event.preventDefault();
      void this.classReport(files);
    });
    const body = document.createElement('div');
    body.className = 'guide-text notebook-body';
    this.table = document.createElement('table');
    this.table.className = 'notebook-table';
    this.estimate = document.createElement('p');
    this.estimate.id = 'notebook-estimate';
    this.progress = document.createElement('p');
    this.progress.id = 'notebook-progress';
    this.keys = document.createElement('p');
    this.keys.className = 'notebook-keys';
    this.histogram = new Histogram(core, palette);
    this.extrapolation = new ExtrapolationPlot(core, palette);
    this.extrapolated = document.createElement('p');
    this.extrapolated.id = 'notebook-extrapolated';
    // The table scrolls sideways on its own where the window is narrower than its columns.
    const tableScroll = document.createElement('div');
    tableScroll.className = 'notebook-table-scroll';
    tableScroll.append(this.table);
    body.append(tableScroll, this.histogram.canvas, this.estimate, this.extrapolation.canvas, this.extrapolated, this.progress, this.keys);
    this.dialog.append(bar, tools, this.picker, this.classPicker, body);
  }

  /** The window for the identifier's notebook, shown and in front. */
  show(identifier: string): void {
    this.identifier = identifier;
    // Shown first, so that the histogram is drawn at the size it is laid out.
    if (!this.dialog.open) this.dialog.show();
    this.refresh();
    this.buttons.close.focus();
  }

  close(): void {
    if (this.dialog.open) this.dialog.close();
  }

  /** The table and texts as the core has them now. */
  refresh(): void {
    const text = (n: number): string => this.core.catalogueText(n);
    this.caption.textContent = this.core.title(Text.NotebookTitle, this.identifier);
    setCaption(this.buttons.remove, text(Text.DeleteRows));
    setCaption(this.buttons.exportCsv, text(Text.ExportCsv));
    setCaption(this.buttons.openCsv, text(Text.OpenCsv));
    setCaption(this.buttons.report, text(Text.SaveReport));
    setCaption(this.buttons.classReport, text(Text.ClassReport));
    this.classCodeLabel.textContent = text(Text.ClassCodeField);
    setCaption(this.buttons.close, text(Text.Close));
    this.keys.textContent = text(Text.NotebookKeys);
    const notebook = this.core.notebookTable();
    for (const index of [...this.selected]) if (index >= notebook.rows.length) this.selected.delete(index);
    const head = document.createElement('tr');
    head.append(document.createElement('th'));
    for (const title of notebook.columns) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = title;
      head.append(th);
    }
    const rows = notebook.rows.map((row, index) => {
      const tr = document.createElement('tr');
      tr.tabIndex = 0;
      tr.setAttribute('aria-selected', String(this.selected.has(index)));
      const label = document.createElement('th');
      label.scope = 'row';
      label.textContent = row.label;
      if (row.label.includes('⚡')) label.title = text(Text.AfterBurst);
      tr.append(label);
      for (const cell of row.cells) {
        const td = document.createElement('td');
        td.textContent = cell;
        tr.append(td);
      }
      const toggle = (): void => {
        if (this.selected.has(index)) this.selected.delete(index);
        else this.selected.add(index);
        tr.setAttribute('aria-selected', String(this.selected.has(index)));
      };
      tr.addEventListener('click', toggle);
      tr.addEventListener('keydown', (event) => {
        if (event.key === ' ' || event.key === 'Enter') {
          event.preventDefault();
          toggle();
        } else if (event.key === 'Delete') {
          event.preventDefault();
          this.removeSelected();
        }
      });
      return tr;
    });
    const thead = document.createElement('thead');
    thead.append(head);
    const tbody = document.createElement('tbody');
    tbody.append(...rows);
    this.table.replaceChildren(thead, tbody);
    this.table.setAttribute('role', 'grid');
    this.table.setAttribute('aria-multiselectable', 'true');
    this.estimate.textContent = notebook.estimate ?? '';
    this.progress.textContent = notebook.progress ?? '';
    // Without calculations there are no charges to show.
    this.histogram.canvas.hidden = notebook.estimate === undefined;
    if (!this.histogram.canvas.hidden) this.histogram.draw(text(Text.ChargeColumn));
    // A notebook timed in real air: the extrapolation that needs no slip constant as well.
    const realAir = notebook.extrapolated !== undefined;
    this.extrapolation.canvas.hidden = !realAir;
    this.extrapolated.hidden = !realAir;
    this.extrapolated.textContent = realAir ? this.extrapolation.draw() : '';
  }

  private removeSelected(): void {
    // From the last row up, so that the numbers of the rows still to go stay as they were.
    let changes = 0;
    for (const index of [...this.selected].sort((a, b) => b - a)) changes |= this.core.deleteRow(index);
    this.selected.clear();
    this.events.changed(changes);
  }

  private async openFile(): Promise<void> {
    const file = this.picker.files?.[0];
    this.picker.value = '';
    if (!file) return;
    const changes = this.core.readCsv(await this.core.notebookBytes(file));
    if (changes === 0) {
      this.events.inform(this.core.filledText(Text.FileNotNotebook, [file.name, this.core.notebookProblem()]));
      return;
    }
    this.selected.clear();
    this.events.changed(changes);
  }

  private saveReport(): void {
    download(fileNameFor(this.identifier, 'pdf'), this.core.studentReport(this.identifier, localMoment()), 'application/pdf');
  }

  /** The class's report from the teacher's notebook files; those left out are named in it, and
   *  told when none could be read. */
  private async classReport(files: File[]): Promise<void> {
    if (files.length === 0) return;
    const code = this.classCode.value;
    const fault = code === '' ? null : this.core.classCodeFault(code);
    if (fault !== null) {
      this.events.inform(this.core.filledText(Text.ClassCodeUnusable, [code, fault]));
      return;
    }
    const read = await Promise.all(files.map(async (file) => ({ name: file.name, bytes: await this.core.notebookBytes(file) })));
    const { pdf, leftOut } = this.core.classReport(read, localMoment(), code);
    if (pdf === null) {
      this.events.inform([this.core.catalogueText(Text.NoClassNotebook), ...leftOut.map(({ name, reason }) => `${name}: ${reason}`)].join('\n'));
      return;
    }
    download('class.pdf', pdf, 'application/pdf');
  }
}

/** Now, as the reader's clock shows it: a report's date. */
function localMoment(): LocalMoment {
  const now = new Date();
  return { year: now.getFullYear(), month: now.getMonth() + 1, day: now.getDate(), hour: now.getHours(), minute: now.getMinutes() };
}
