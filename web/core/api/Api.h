#pragma once
// The functions the browser page calls. Each forwards to the shared core: the program folder and
// the catalogue, the designs, and the student's session (lab/Session.h), whose commands return
// what the page must draw again, a sum of Lab::Change flags. The page only draws and forwards.
//
// This header is the one list of the page's functions: the build exports every function declared
// below, and web/generate.mjs writes the page's typed interface from the same declarations. Keep
// each declaration on its own lines, starting with its type, and the parameters' types among
// int, double, std::uint32_t, const char* and const std::uint8_t*.
//
// Strings go in as NUL-terminated UTF-8 and come back as pointers into buffers of this module,
// valid until the next call of the same function. Times are the page's milliseconds
// (performance.now()).

#include <cstdint>

extern "C" {

// --- The program folder, the catalogue and the designs ------------------------------------------
/// Program start: the catalogue files are in place (tess_put_file), numbers are written with
/// `decimalSeparator` (the reader's locale, as the desktop uses the system's).
void tess_start(int decimalSeparator);
/// Writes a file of the program folder ("Tessilar.ini", "English/Tessilar.ini", ...) from
/// `size` bytes at `bytes`. Returns 0 when it could not be written.
int tess_put_file(const char* relativePath, const std::uint8_t* bytes, int size);
/// Makes the named language folder's catalogue the one in use ("" for the program folder's).
void tess_choose_language(const char* folder);
/// The language folders of the program folder, one per line, in the order the desktop lists them.
const char* tess_language_folders();
/// The language folder in use, "" for the program folder's catalogue.
const char* tess_language_folder();
/// Catalogue text number n.
const char* tess_text(int n);
/// Catalogue text number n with its places "%1", "%2", ... filled by `places`, the values
/// separated by U+001F (the unit separator), in one pass.
const char* tess_text_filled(int n, const char* places);
/// A window's title: catalogue text n and the identifier, as the desktop writes it.
const char* tess_title(int n, const char* identifier);
/// All window designs, their captions, the commands with their menus, keys and bench buttons, the
/// palette and the microscope's sizes as one JSON object.
const char* tess_designs_json();
/// The voltmeter's drawing (everything but the needle) as JSON.
const char* tess_dial_json();
/// Picture 0 (microscope field) or 1 (thermometer): width, height and RGBA bytes.
int tess_picture_width(int which);
int tess_picture_height(int which);
const std::uint8_t* tess_picture_rgba(int which);

// --- A run: from the identity prompt's OK to End --------------------------------------------
/// Starts a run at `nowMs` with the given seeds of the injection and of the noise; returns all
/// flags (everything is drawn afresh).
int tess_begin_run(double nowMs, std::uint32_t seedHigh, std::uint32_t seedLow);
/// Ends the run: no more ticks until the next tess_begin_run.
void tess_end_run();
/// The student at work, as typed at the prompt: the rows name them, and under a class code
/// their chamber is their own.
void tess_set_student(const char* identifier);
/// The teacher's class code from the next spray on; "" when it is in force, else why it cannot
/// be used, as a message for the student (the chamber is then sprayed at random).
const char* tess_set_class_code(const char* code);
/// Runs the ticks due by `nowMs` (one every TickWallMilliseconds since the run began).
int tess_run_until(double nowMs);
/// Simulated ticks run so far in this run.
double tess_ticks_run();

// --- The chamber's controls -------------------------------------------------------------------
int tess_inject();
int tess_switch_supply();
int tess_reverse_polarity();
/// Field 0 (voltage), 1 (temperature) or 2 (pressure) now holds `text`, typed by the student
/// (typed 1) or written by the page (typed 0).
int tess_field_changed(int field, const char* text, int typed);
/// Editing the temperature or the pressure field ended (Enter, the focus leaving it).
int tess_editing_finished(int field);
/// One step of the field's spin buttons up (+1) or down (-1).
int tess_spin(int field, int direction);
/// The text the field shows.
const char* tess_field_text(int field);
/// Moves the scroll bar of axis 0 (across) or 1 (up and down) to a position 0-100.
int tess_shift_view(int axis, int position);
int tess_scroll_position(int axis);
/// The millimetre readout beside the scroll bar of the axis.
const char* tess_readout(int axis);
int tess_start_stopwatch();
int tess_stop_stopwatch();
int tess_set_brownian(int on);
int tess_brownian();
/// Real air in the chamber (1) or the ideal fluid (0); its pressure control shows with it.
int tess_set_real_air(int on);
int tess_real_air();
/// One burst of the ionising source; the next row of the notebook is marked.
int tess_ionise();

// --- Following a droplet ----------------------------------------------------------------------
/// Follows the droplet whose marker is nearest (x, y) within `reach`, all in view pixels from the
/// view centre; a point near no marker lets the followed droplet go.
int tess_follow_at(double x, double y, double reach);
/// A key pressed on the focused microscope, by its KeyboardEvent.key; -1 for a key that chooses
/// no droplet (the page leaves it to the browser).
int tess_follow_key(const char* key);
int tess_let_go();
/// The droplet followed, 1 to 100, or 0.
int tess_followed();

// --- The notebook -------------------------------------------------------------------------------
/// Records the stopwatch reading as a notebook row.
int tess_record();
int tess_notebook_size();
/// An empty notebook, as for a new identifier.
int tess_notebook_clear();
/// Deletes row `index` (from 0); 0 when there is no such row.
int tess_notebook_delete(int index);
/// Replaces the notebook with the rows of a CSV file's `size` bytes; 0, leaving the notebook as it
/// was, when they are no notebook (tess_notebook_problem then says why, in the catalogue's
/// language).
int tess_notebook_read_csv(const std::uint8_t* bytes, int size);
const char* tess_notebook_problem();
/// The most bytes a notebook file may have: the page reads no more of a file than one byte beyond,
/// so that a huge file is refused without being loaded whole.
int tess_longest_notebook();
/// The rows marked as after an ionising burst (the CSV does not hold the mark), "2,5" from 1.
const char* tess_notebook_bursts();
/// Marks those rows, and no others, as after a burst; numbers that name no row are passed over.
int tess_notebook_mark_bursts(const char* rows);
/// The teacher's choice: radius, charge and the estimate worked out (1) or left to students (0).
int tess_set_calculations(int on);
/// The table as the window shows it: {"columns":[...],"rows":[{"label","cells":[...]}],"estimate"},
/// with "extrapolated" (the sentence of the extrapolation) for a notebook timed in real air.
const char* tess_notebook_json();
/// The notebook as a CSV file (the desktop's format).
const char* tess_notebook_csv();
/// The student's report as PDF bytes (tess_bytes_size of them), dated with the local time given.
const std::uint8_t* tess_student_report(const char* name, int year, int month, int day, int hour,
                                        int minute);
int tess_bytes_size();
/// The histogram of the notebook's charges laid out in width x height units, for text
/// `textHeight` high in which "000" is `countsWidth` wide, as JSON (bar edges and lines in
/// thousandths of a unit).
const char* tess_histogram_json(int width, int height, int textHeight, int countsWidth);
/// The extrapolation plot of a notebook timed in real air laid out in width x height units, for
/// text `textHeight` high in which "0.00" is `labelWidth` wide, with its axes' titles, its name
/// for assistive technology and the sentence of its e and b, as JSON.
const char* tess_extrapolation_json(int width, int height, int textHeight, int labelWidth);

// --- What to draw -------------------------------------------------------------------------------
/// 100 markers of three int32 each: shown (0/1), x, y (offset from the view centre, pixels), as
/// the session last took them.
const std::int32_t* tess_markers();
int tess_markers_in_view();
/// Needle pivot and end on the dial: x0, y0, x1, y1.
const std::int32_t* tess_needle();
int tess_lamp_on();
int tess_column_top();
int tess_column_bottom();
const char* tess_stopwatch_text();
/// The microscope's text alternative: the droplets in view and the followed one.
const char* tess_microscope_description();
/// How many droplets are in view, in words.
const char* tess_droplets_in_view();
/// What a screen reader says now: the stopwatch stopped, a row recorded.
const char* tess_announcement();

// --- The teacher's settings of a lesson -------------------------------------------------------
/// The settings in force: those of the block inside the page (`embedded`, a settings query),
/// then the address's `query` over them, each checked key by key, as JSON: {"lang", ...,
/// "droplets" (null where not given), "query" (the settings as a query), "ignored" (the block's
/// pairs that could not be used)}.
const char* tess_lesson_settings(const char* embedded, const char* query);
/// The languages a lesson can be given in: a line each, the code and the name in itself apart by
/// a tab.
const char* tess_lesson_languages();
/// A query of settings written again as the address gives them: checked, in order, encoded.
const char* tess_settings_query(const char* query);
/// The settings of a query said in the catalogue's language, a line each ("" for none).
const char* tess_describe_settings(const char* query);
/// The page's text with the settings of `query` in its block; "" when it has no block.
const char* tess_page_with_settings(const char* page, const char* query);
/// The desktop's Tessilar.ini lines for the settings of `query`.
const char* tess_ini_lines(const char* query);
/// imsmanifest.xml of the SCORM 1.2 package.
const char* tess_scorm_manifest();
/// How many droplets the teacher asks a student to time.
int tess_set_asked_droplets(int droplets);
/// What the notebook has done of the lesson: {"asked", "timed", "score", "completed",
/// "sentence", "charges" (texts, 10^-19 C), "estimate" (text or null)}.
const char* tess_lesson_progress_json();

// --- The class's report from several notebook files -----------------------------------------
/// Starts a class with no notebook.
void tess_class_begin();
/// Adds the notebook file `fileName` of `size` bytes; returns 0 when it cannot be read (it is
/// then left out of the report, and tess_class_reason says why).
int tess_class_add(const char* fileName, const std::uint8_t* bytes, int size);
const char* tess_class_reason();
/// Why a class code cannot be used for the answer key, in the catalogue's words; "" when it can.
const char* tess_class_code_fault(const char* code);
/// The class's report as PDF bytes (tess_class_report_size of them; none when no notebook was
/// read, or the code cannot be used); with a class code ("" for none), the answer key.
const std::uint8_t* tess_class_report(const char* code, int year, int month, int day, int hour,
                                      int minute);
int tess_class_report_size();
}

/// Wall-clock milliseconds per tick: the desktop's scheduler fires a tick of 10 ms of simulated
/// time every 11 ms, so simulated time runs at 10/11 of wall time.
constexpr double TickWallMilliseconds = 11.0;
