// The shared C++ core as the page calls it: typed wrappers over the WebAssembly module's C
// functions (their declarations generated from web/core/api/Api.h). Nothing here decides
// anything; it only carries strings and numbers across, and checks the JSON the core writes.

import {
  DesignsShape, DialShape, ExtrapolationShape, HistogramShape, LessonProgressShape, LessonSettingsShape, NotebookTableShape,
  type Designs, type DialDrawing, type ExtrapolationLayout, type HistogramLayout, type LessonProgress, type LessonSettings, type NotebookTable,
} from './coreShapes';
import type { CoreExports } from './generated/coreExports';
import { readJson } from './shapes';

export { Changed } from './generated/changes';
export { Text } from './generated/texts';

/** The functions and memory of the compiled core. */
export interface CoreModule extends CoreExports {
  HEAPU8: Uint8Array;
  HEAP32: Int32Array;
  UTF8ToString(pointer: number): string;
  stringToUTF8(text: string, pointer: number, maxBytes: number): void;
  lengthBytesUTF8(text: string): number;
  _malloc(bytes: number): number;
  _free(pointer: number): void;
}

/** The window's number fields; the pressure's is there with real air. */
export const Field = { voltage: 0, temperature: 1, pressure: 2 } as const;
export type FieldCode = (typeof Field)[keyof typeof Field];
export type Axis = 0 | 1;
export type PictureName = 'field' | 'thermometer';

/** What separates the values of a text's places on their way to the core. */
const PlaceSeparator = '\u001f';

/** A notebook file the class's report could not read, and why. */
export interface LeftOutFile {
  name: string;
  reason: string;
}

/** A local moment for a report's date. */
export interface LocalMoment {
  year: number;
  month: number;
  day: number;
  hour: number;
  minute: number;
}

/** A picture of the core as RGBA bytes. */
export interface CorePicture {
  width: number;
  height: number;
  rgba: Uint8ClampedArray<ArrayBuffer>;
}

/** Pen positions of the needle on the dial, pixels. */
export interface Needle {
  x0: number;
  y0: number;
  x1: number;
  y1: number;
}

export class Core {
  constructor(private readonly m: CoreModule) {}

  /** Calls `body` with the text as a NUL-terminated UTF-8 string in the core's memory. */
  private withString<T>(text: string, body: (pointer: number) => T): T {
    const size = this.m.lengthBytesUTF8(text) + 1;
    const pointer = this.m._malloc(size);
    try {
      this.m.stringToUTF8(text, pointer, size);
      return body(pointer);
    } finally {
      this.m._free(pointer);
    }
  }

  /** Calls `body` with a copy of the bytes in the core's memory. */
  private withBytes<T>(bytes: Uint8Array, body: (pointer: number) => T): T {
    const pointer = this.m._malloc(Math.max(bytes.length, 1));
    try {
      this.m.HEAPU8.set(bytes, pointer);
      return body(pointer);
    } finally {
      this.m._free(pointer);
    }
  }

  private text(pointer: number): string {
    return this.m.UTF8ToString(pointer);
  }

  putFile(path: string, bytes: Uint8Array): boolean {
    return this.withBytes(bytes, (pointer) => this.withString(path, (p) => this.m._tess_put_file(p, pointer, bytes.length))) === 1;
  }

  start(decimalSeparator: string): void {
    this.m._tess_start(decimalSeparator.charCodeAt(0));
  }

  chooseLanguage(folder: string): void {
    this.withString(folder, (p) => this.m._tess_choose_language(p));
  }

  languageFolders(): string[] {
    return this.text(this.m._tess_language_folders()).split('\n').filter((name) => name !== '');
  }

  languageFolder(): string {
    return this.text(this.m._tess_language_folder());
  }

  catalogueText(n: number): string {
    return this.text(this.m._tess_text(n));
  }

  /** Catalogue text n with its places "%1", "%2", ... filled by the values, as the desktop fills
   *  them. */
  filledText(n: number, values: readonly string[]): string {
    return this.withString(values.join(PlaceSeparator), (p) => this.text(this.m._tess_text_filled(n, p)));
  }

  /** A window's title: catalogue text n and the identifier. */
  title(n: number, identifier: string): string {
    return this.withString(identifier, (p) => this.text(this.m._tess_title(n, p)));
  }

  designs(): Designs {
    return readJson(this.text(this.m._tess_designs_json()), DesignsShape, 'designs');
  }

  dial(): DialDrawing {
    return readJson(this.text(this.m._tess_dial_json()), DialShape, 'dial');
  }

  /** The student at work, as typed at the prompt. */
  setStudent(identifier: string): void {
    this.withString(identifier, (p) => this.m._tess_set_student(p));
  }

  /** The teacher's class code from the next spray on; null when it is in force, else why not, as
   *  a message for the student. */
  setClassCode(code: string): string | null {
    const problem = this.withString(code, (p) => this.text(this.m._tess_set_class_code(p)));
    return problem === '' ? null : problem;
  }

  /** Why a class code cannot be used for the answer key; null when it can. */
  classCodeFault(code: string): string | null {
    const fault = this.withString(code, (p) => this.text(this.m._tess_class_code_fault(p)));
    return fault === '' ? null : fault;
  }

  beginRun(nowMs: number, seedHigh: number, seedLow: number): number {
    return this.m._tess_begin_run(nowMs, seedHigh >>> 0, seedLow >>> 0);
  }

  endRun(): void {
    this.m._tess_end_run();
  }

  runUntil(nowMs: number): number {
    return this.m._tess_run_until(nowMs);
  }

  ticksRun(): number {
    return this.m._tess_ticks_run();
  }

  inject(): number {
    return this.m._tess_inject();
  }

  switchSupply(): number {
    return this.m._tess_switch_supply();
  }

  reversePolarity(): number {
    return this.m._tess_reverse_polarity();
  }

  /** The field now holds `text`: typed by the student, or written by the page. */
  fieldChanged(field: FieldCode, text: string, typed: boolean): number {
    return this.withString(text, (p) => this.m._tess_field_changed(field, p, typed ? 1 : 0));
  }

  /** Editing the temperature or the pressure field ended. */
  editingFinished(field: FieldCode): number {
    return this.m._tess_editing_finished(field);
  }

  spin(field: FieldCode, direction: 1 | -1): number {
    return this.m._tess_spin(field, direction);
  }

  fieldText(field: FieldCode): string {
    return this.text(this.m._tess_field_text(field));
  }

  shiftView(axis: Axis, position: number): number {
    return this.m._tess_shift_view(axis, position);
  }

  scrollPosition(axis: Axis): number {
    return this.m._tess_scroll_position(axis);
  }

  readout(axis: Axis): string {
    return this.text(this.m._tess_readout(axis));
  }

  startStopwatch(): number {
    return this.m._tess_start_stopwatch();
  }

  stopStopwatch(): number {
    return this.m._tess_stop_stopwatch();
  }

  setBrownian(on: boolean): number {
    return this.m._tess_set_brownian(on ? 1 : 0);
  }

  brownian(): boolean {
    return this.m._tess_brownian() !== 0;
  }

  setRealAir(on: boolean): number {
    return this.m._tess_set_real_air(on ? 1 : 0);
  }

  realAir(): boolean {
    return this.m._tess_real_air() !== 0;
  }

  ionise(): number {
    return this.m._tess_ionise();
  }

  /** Follows the droplet whose marker is within `reach` of (x, y), view pixels from the centre;
   *  none near lets go. */
  followAt(x: number, y: number, reach: number): number {
    return this.m._tess_follow_at(x, y, reach);
  }

  /** A key on the focused microscope, by its KeyboardEvent.key; null for a key that chooses no
   *  droplet. */
  followKey(key: string): number | null {
    const changes = this.withString(key, (p) => this.m._tess_follow_key(p));
    return changes < 0 ? null : changes;
  }

  letGo(): number {
    return this.m._tess_let_go();
  }

  followed(): number {
    return this.m._tess_followed();
  }

  /** Shown, x, y of each of the 100 markers, a view of the core's own table. */
  markers(): Int32Array {
    const pointer = this.m._tess_markers();
    return this.m.HEAP32.subarray(pointer >> 2, (pointer >> 2) + 300);
  }

  markersInView(): number {
    return this.m._tess_markers_in_view();
  }

  needle(): Needle {
    const at = this.m._tess_needle() >> 2;
    const h = this.m.HEAP32;
    return { x0: h[at] ?? 0, y0: h[at + 1] ?? 0, x1: h[at + 2] ?? 0, y1: h[at + 3] ?? 0 };
  }

  lampOn(): boolean {
    return this.m._tess_lamp_on() !== 0;
  }

  columnTop(): number {
    return this.m._tess_column_top();
  }

  columnBottom(): number {
    return this.m._tess_column_bottom();
  }

  stopwatchText(): string {
    return this.text(this.m._tess_stopwatch_text());
  }

  microscopeDescription(): string {
    return this.text(this.m._tess_microscope_description());
  }

  dropletsInView(): string {
    return this.text(this.m._tess_droplets_in_view());
  }

  /** What a screen reader says now: the stopwatch stopped, a row recorded. */
  announcement(): string {
    return this.text(this.m._tess_announcement());
  }

  picture(name: PictureName): CorePicture {
    const which = name === 'thermometer' ? 1 : 0;
    const width = this.m._tess_picture_width(which);
    const height = this.m._tess_picture_height(which);
    const pointer = this.m._tess_picture_rgba(which);
    // A copy: the core's memory may move when it grows.
    const rgba = new Uint8ClampedArray(width * height * 4);
    rgba.set(this.m.HEAPU8.subarray(pointer, pointer + rgba.length));
    return { width, height, rgba };
  }

  record(): number {
    return this.m._tess_record();
  }

  notebookSize(): number {
    return this.m._tess_notebook_size();
  }

  clearNotebook(): number {
    return this.m._tess_notebook_clear();
  }

  deleteRow(index: number): number {
    return this.m._tess_notebook_delete(index);
  }

  setCalculations(on: boolean): number {
    return this.m._tess_set_calculations(on ? 1 : 0);
  }

  notebookTable(): NotebookTable {
    return readJson(this.text(this.m._tess_notebook_json()), NotebookTableShape, 'notebook table');
  }

  notebookCsv(): string {
    return this.text(this.m._tess_notebook_csv());
  }

  /** Replaces the notebook with a CSV file's rows (its bytes, or text); 0 when they are no
   *  notebook (the notebook is left as it was, and notebookProblem says why). */
  readCsv(file: Uint8Array | string): number {
    const bytes = typeof file === 'string' ? new TextEncoder().encode(file) : file;
    return this.withBytes(bytes, (pointer) => this.m._tess_notebook_read_csv(pointer, bytes.length));
  }

  /** Why the file read last is no notebook, in the catalogue's words. */
  notebookProblem(): string {
    return this.text(this.m._tess_notebook_problem());
  }

  /** A notebook file's bytes, at most one beyond the longest notebook: enough for the core to
   *  refuse a file that is too long without the page loading a huge one whole. */
  async notebookBytes(file: Blob): Promise<Uint8Array> {
    return new Uint8Array(await file.slice(0, this.m._tess_longest_notebook() + 1).arrayBuffer());
  }

  /** The rows marked as after an ionising burst, "2,5" (the CSV does not hold the mark). */
  burstMarks(): string {
    return this.text(this.m._tess_notebook_bursts());
  }

  markBursts(rows: string): number {
    return this.withString(rows, (p) => this.m._tess_notebook_mark_bursts(p));
  }

  studentReport(name: string, made: LocalMoment): Uint8Array<ArrayBuffer> {
    const pointer = this.withString(name, (p) => this.m._tess_student_report(p, made.year, made.month, made.day, made.hour, made.minute));
    const bytes = new Uint8Array(this.m._tess_bytes_size());
    bytes.set(this.m.HEAPU8.subarray(pointer, pointer + bytes.length));
    return bytes;
  }

  histogram(width: number, height: number, textHeight: number, countsWidth: number): HistogramLayout {
    return readJson(this.text(this.m._tess_histogram_json(width, height, textHeight, countsWidth)), HistogramShape, 'histogram');
  }

  /** The settings in force: the page's own block, then the address's query over it. */
  lessonSettings(embedded: string, query: string): LessonSettings {
    const json = this.withString(embedded, (e) => this.withString(query, (q) => this.text(this.m._tess_lesson_settings(e, q))));
    return readJson(json, LessonSettingsShape, 'lesson settings');
  }

  /** The languages a lesson can be given in: code and name. */
  lessonLanguages(): [string, string][] {
    return this.text(this.m._tess_lesson_languages()).split('\n').filter((line) => line !== '')
      .map((line) => {
        const [code = '', name = ''] = line.split('\t');
        return [code, name];
      });
  }

  /** A query of settings as the address gives them: checked, in order, encoded. */
  settingsQuery(query: string): string {
    return this.withString(query, (q) => this.text(this.m._tess_settings_query(q)));
  }

  describeSettings(query: string): string {
    return this.withString(query, (q) => this.text(this.m._tess_describe_settings(q)));
  }

  /** The page's text with the settings inside; null when it has no place for them. */
  pageWithSettings(page: string, query: string): string | null {
    const written = this.withString(page, (p) => this.withString(query, (q) => this.text(this.m._tess_page_with_settings(p, q))));
    return written === '' ? null : written;
  }

  iniLines(query: string): string {
    return this.withString(query, (q) => this.text(this.m._tess_ini_lines(q)));
  }

  scormManifest(): string {
    return this.text(this.m._tess_scorm_manifest());
  }

  setAskedDroplets(droplets: number): number {
    return this.m._tess_set_asked_droplets(droplets);
  }

  lessonProgress(): LessonProgress {
    return readJson(this.text(this.m._tess_lesson_progress_json()), LessonProgressShape, 'lesson progress');
  }

  extrapolation(width: number, height: number, textHeight: number, labelWidth: number): ExtrapolationLayout {
    return readJson(this.text(this.m._tess_extrapolation_json(width, height, textHeight, labelWidth)), ExtrapolationShape, 'extrapolation');
  }

  /** The class's report from notebook files, with the answer key of a class code ("" for none):
   *  the PDF, or null when none could be read; and the files left out. */
  classReport(files: { name: string; bytes: Uint8Array }[], made: LocalMoment, code = ''): { pdf: Uint8Array<ArrayBuffer> | null; leftOut: LeftOutFile[] } {
    this.m._tess_class_begin();
    const leftOut: LeftOutFile[] = [];
    for (const file of files) {
      const added = this.withBytes(file.bytes, (pointer) => this.withString(file.name, (p) => this.m._tess_class_add(p, pointer, file.bytes.length)));
      if (added !== 1) leftOut.push({ name: file.name, reason: this.text(this.m._tess_class_reason()) });
    }
    const at = this.withString(code, (p) => this.m._tess_class_report(p, made.year, made.month, made.day, made.hour, made.minute));
    const size = this.m._tess_class_report_size();
    if (size === 0) return { pdf: null, leftOut };
    const pdf = new Uint8Array(size);
    pdf.set(this.m.HEAPU8.subarray(at, at + size));
    return { pdf, leftOut };
  }
}
