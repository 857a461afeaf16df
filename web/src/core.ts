// The shared C++ core as the page calls it: typed wrappers over the WebAssembly module's C
// functions. Nothing here decides anything; it only carries strings and numbers across.

/** The functions and memory of the compiled core (see web/core/api/Api.h). */
export interface CoreModule {
  HEAPU8: Uint8Array;
  HEAP32: Int32Array;
  UTF8ToString(pointer: number): string;
  stringToUTF8(text: string, pointer: number, maxBytes: number): void;
  lengthBytesUTF8(text: string): number;
  _malloc(bytes: number): number;
  _free(pointer: number): void;
  _tess_start(decimalSeparator: number): void;
  _tess_put_file(path: number, bytes: number, size: number): number;
  _tess_choose_language(folder: number): void;
  _tess_language_folders(): number;
  _tess_language_folder(): number;
  _tess_text(n: number): number;
  _tess_text_with_number(n: number, value: number): number;
  _tess_title(identifier: number): number;
  _tess_designs_json(): number;
  _tess_dial_json(): number;
  _tess_begin_run(nowMs: number, seedHigh: number, seedLow: number): void;
  _tess_end_run(): void;
  _tess_run_until(nowMs: number): number;
  _tess_ticks_run(): number;
  _tess_inject(): number;
  _tess_switch_supply(): number;
  _tess_reverse_polarity(): number;
  _tess_voltage_typed(text: number): number;
  _tess_temperature_typed(text: number): number;
  _tess_temperature_text(): number;
  _tess_spin(which: number, direction: number, fieldText: number): number;
  _tess_shift_view(axis: number, position: number): number;
  _tess_scroll_position(axis: number): number;
  _tess_readout(axis: number): number;
  _tess_start_stopwatch(): void;
  _tess_stop_stopwatch(): void;
  _tess_markers(): number;
  _tess_markers_in_view(): number;
  _tess_needle(): number;
  _tess_lamp_on(): number;
  _tess_column_top(): number;
  _tess_column_bottom(): number;
  _tess_stopwatch_text(): number;
  _tess_picture_width(which: number): number;
  _tess_picture_height(which: number): number;
  _tess_picture_rgba(which: number): number;
  _tess_follow_at(x: number, y: number, radius: number): number;
  _tess_follow_key(key: number): number;
  _tess_release(): void;
  _tess_followed(): number;
  _tess_ionise(): void;
  _tess_set_brownian(on: number): void;
  _tess_brownian(): number;
  _tess_set_calculations(on: number): void;
  _tess_microscope_description(): number;
  _tess_record(): number;
  _tess_row_recorded_text(): number;
  _tess_stopwatch_stopped_text(): number;
  _tess_notebook_size(): number;
  _tess_notebook_clear(): void;
  _tess_notebook_delete(index: number): number;
  _tess_notebook_json(): number;
  _tess_notebook_csv(): number;
  _tess_notebook_read_csv(bytes: number, size: number): number;
  _tess_longest_notebook(): number;
  _tess_notebook_problem(): number;
  _tess_notebook_bursts(): number;
  _tess_notebook_mark_bursts(rows: number): void;
  _tess_student_report(name: number, year: number, month: number, day: number, hour: number, minute: number): number;
  _tess_bytes_size(): number;
  _tess_histogram_json(width: number, height: number, textHeight: number, countsWidth: number): number;
  _tess_class_begin(): void;
  _tess_class_add(fileName: number, bytes: number, size: number): number;
  _tess_class_reason(): number;
  _tess_class_report(year: number, month: number, day: number, hour: number, minute: number): number;
  _tess_class_report_size(): number;
}

/** What a step of the core changed (a sum of these). */
export const Changed = {
  Markers: 1,
  Column: 2,
  Stopwatch: 4,
  Supply: 8,
  Readouts: 16,
} as const;

/** Spin buttons of the voltage field (1) and of the temperature field (2). */
export type SpinField = 1 | 2;
export type Axis = 0 | 1;
export type PictureName = 'field' | 'thermometer';

/** The keys that choose a droplet on the focused microscope. */
export const FollowKey = { nearest: 0, left: 1, right: 2, up: 3, down: 4 } as const;
export type FollowKeyCode = (typeof FollowKey)[keyof typeof FollowKey];

/** The notebook table as the core words it. */
export interface NotebookTable {
  columns: string[];
  rows: { label: string; cells: string[] }[];
  estimate?: string;
}

/** A rectangle of whole units: left, top, width, height. */
export type UnitBox = [number, number, number, number];

/** The histogram of the notebook's charges as the core lays it out (bar edges and the lines at
 *  the estimate's multiples in thousandths of a unit). */
export interface HistogramLayout {
  drawn: boolean;
  plot: UnitBox;
  bars: [number, number, number, number][];
  lines: number[];
  ticks: number[];
  tickLength: number;
  chargeLabels: { box: UnitBox; text: string }[];
  countLabels: { box: UnitBox; text: string }[];
  axisTitle: UnitBox;
  axisTitleText: string;
}

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

  private optionalText(pointer: number): string | null {
    return pointer === 0 ? null : this.m.UTF8ToString(pointer);
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

  catalogueTextWithNumber(n: number, value: number): string {
    return this.text(this.m._tess_text_with_number(n, value));
  }

  title(identifier: string): string {
    return this.withString(identifier, (p) => this.text(this.m._tess_title(p)));
  }

  designsJson(): string {
    return this.text(this.m._tess_designs_json());
  }

  dialJson(): string {
    return this.text(this.m._tess_dial_json());
  }

  beginRun(nowMs: number, seedHigh: number, seedLow: number): void {
    this.m._tess_begin_run(nowMs, seedHigh >>> 0, seedLow >>> 0);
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

  voltageTyped(text: string): string | null {
    return this.withString(text, (p) => this.optionalText(this.m._tess_voltage_typed(p)));
  }

  /** The temperature spin buttons' new position, or null for text that is no number. */
  temperatureTyped(text: string): number | null {
    const position = this.withString(text, (p) => this.m._tess_temperature_typed(p));
    return position < 0 ? null : position;
  }

  temperatureText(): string {
    return this.text(this.m._tess_temperature_text());
  }

  spin(which: SpinField, direction: 1 | -1, fieldText: string): string | null {
    return this.withString(fieldText, (p) => this.optionalText(this.m._tess_spin(which, direction, p)));
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

  startStopwatch(): void {
    this.m._tess_start_stopwatch();
  }

  stopStopwatch(): void {
    this.m._tess_stop_stopwatch();
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

  /** Follows the droplet whose marker is within `radius` of (x, y), view pixels from the centre;
   *  none near lets go. Returns the droplet followed, 0 for none. */
  followAt(x: number, y: number, radius: number): number {
    return this.m._tess_follow_at(x, y, radius);
  }

  followKey(key: FollowKeyCode): number {
    return this.m._tess_follow_key(key);
  }

  release(): void {
    this.m._tess_release();
  }

  followed(): number {
    return this.m._tess_followed();
  }

  ionise(): void {
    this.m._tess_ionise();
  }

  setBrownian(on: boolean): void {
    this.m._tess_set_brownian(on ? 1 : 0);
  }

  brownian(): boolean {
    return this.m._tess_brownian() !== 0;
  }

  setCalculations(on: boolean): void {
    this.m._tess_set_calculations(on ? 1 : 0);
  }

  microscopeDescription(): string {
    return this.text(this.m._tess_microscope_description());
  }

  /** Records the stopwatch reading as a row; returns the number of rows. */
  record(): number {
    return this.m._tess_record();
  }

  /** What a screen reader says about the row recorded last. */
  rowRecordedText(): string {
    return this.text(this.m._tess_row_recorded_text());
  }

  /** What a screen reader says as the stopwatch stops. */
  stopwatchStoppedText(): string {
    return this.text(this.m._tess_stopwatch_stopped_text());
  }

  notebookSize(): number {
    return this.m._tess_notebook_size();
  }

  clearNotebook(): void {
    this.m._tess_notebook_clear();
  }

  deleteRow(index: number): boolean {
    return this.m._tess_notebook_delete(index) === 1;
  }

  notebookTable(): NotebookTable {
    return JSON.parse(this.text(this.m._tess_notebook_json())) as NotebookTable;
  }

  notebookCsv(): string {
    return this.text(this.m._tess_notebook_csv());
  }

  /** Replaces the notebook with a CSV file's rows (its bytes, or text); null when read, else why
   *  not (the notebook is left as it was). */
  readCsv(file: Uint8Array | string): string | null {
    const bytes = typeof file === 'string' ? new TextEncoder().encode(file) : file;
    const read = this.withBytes(bytes, (pointer) => this.m._tess_notebook_read_csv(pointer, bytes.length));
    return read === 1 ? null : this.text(this.m._tess_notebook_problem());
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

  markBursts(rows: string): void {
    this.withString(rows, (p) => this.m._tess_notebook_mark_bursts(p));
  }

  studentReport(name: string, made: LocalMoment): Uint8Array<ArrayBuffer> {
    const pointer = this.withString(name, (p) => this.m._tess_student_report(p, made.year, made.month, made.day, made.hour, made.minute));
    const bytes = new Uint8Array(this.m._tess_bytes_size());
    bytes.set(this.m.HEAPU8.subarray(pointer, pointer + bytes.length));
    return bytes;
  }

  histogram(width: number, height: number, textHeight: number, countsWidth: number): HistogramLayout {
    return JSON.parse(this.text(this.m._tess_histogram_json(width, height, textHeight, countsWidth))) as HistogramLayout;
  }

  /** The class's report from notebook files: the PDF, or null when none could be read; and the
   *  files left out. */
  classReport(files: { name: string; bytes: Uint8Array }[], made: LocalMoment): { pdf: Uint8Array<ArrayBuffer> | null; leftOut: LeftOutFile[] } {
    this.m._tess_class_begin();
    const leftOut: LeftOutFile[] = [];
    for (const file of files) {
      const added = this.withBytes(file.bytes, (pointer) => this.withString(file.name, (p) => this.m._tess_class_add(p, pointer, file.bytes.length)));
      if (added !== 1) leftOut.push({ name: file.name, reason: this.text(this.m._tess_class_reason()) });
    }
    const at = this.m._tess_class_report(made.year, made.month, made.day, made.hour, made.minute);
    const size = this.m._tess_class_report_size();
    if (size === 0) return { pdf: null, leftOut };
    const pdf = new Uint8Array(size);
    pdf.set(this.m.HEAPU8.subarray(at, at + size));
    return { pdf, leftOut };
  }
}
