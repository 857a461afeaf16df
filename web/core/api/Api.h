#pragma once
// The functions the browser page calls: one run of the experiment at a time, driven by the page's
// clock and its controls. Everything the experiment does happens here, in the shared C++ core;
// the page only draws what these report and forwards what the user does.
//
// Strings go in as NUL-terminated UTF-8 and come back as pointers into buffers of this module,
// valid until the next call that returns a string of the same kind. Times are the page's
// milliseconds (performance.now()).

#include <cstdint>

extern "C" {

// The session.
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
/// Catalogue text number n with "%1" replaced by the number `value`.
const char* tess_text_with_number(int n, int value);
/// The main window's caption for the identifier.
const char* tess_title(const char* identifier);
/// All window designs, menus and keyboard orders as one JSON object.
const char* tess_designs_json();
/// The voltmeter's fixed drawing (frame, scale arc, ticks, figures, hub) as JSON.
const char* tess_dial_json();

// A run: from the identity prompt's OK to End.
/// Starts a run at `nowMs` with the given seeds of the injection and of the noise.
void tess_begin_run(double nowMs, std::uint32_t seedHigh, std::uint32_t seedLow);
/// Ends the run: no more ticks until the next tess_begin_run.
void tess_end_run();
/// Runs the ticks due by `nowMs` (one every TickWallMilliseconds since the run began). Returns
/// what changed, a sum of the Changed* flags below.
int tess_run_until(double nowMs);
/// Simulated ticks run so far in this run.
double tess_ticks_run();

// Commands, as the desktop's buttons, fields and scroll bars give them.
int tess_inject();
int tess_switch_supply();
int tess_reverse_polarity();
/// The voltage field's text changed; returns the text the field must show now, or nullptr when
/// it keeps what was typed.
const char* tess_voltage_typed(const char* text);
/// The temperature field's text changed (typed by the user); returns the spin buttons' new
/// position, or -1 for text that is no number.
int tess_temperature_typed(const char* text);
/// The temperature field's text when editing ends or after a spin.
const char* tess_temperature_text();
/// One step of spin buttons 1 (voltage) or 2 (temperature) up (+1) or down (-1), stepping from
/// the number in `fieldText` like the desktop's. Returns the text the field shows now, or nullptr
/// when the position did not change.
const char* tess_spin(int which, int direction, const char* fieldText);
/// Shifts the view to scroll position 0-100 on axis 0 (horizontal) or 1 (vertical).
int tess_shift_view(int axis, int position);
int tess_scroll_position(int axis);
/// The millimetre readout beside the scroll bar of the axis.
const char* tess_readout(int axis);
void tess_start_stopwatch();
void tess_stop_stopwatch();

// What to draw.
/// 100 markers of three int32 each: shown (0/1), x, y (offset from the view centre, pixels).
const std::int32_t* tess_markers();
int tess_markers_in_view();
/// Needle pivot and end on the dial: x0, y0, x1, y1.
const std::int32_t* tess_needle();
int tess_lamp_on();
int tess_column_top();
int tess_column_bottom();
const char* tess_stopwatch_text();
/// Picture 0 (microscope field) or 1 (thermometer): width, height and RGBA bytes.
int tess_picture_width(int which);
int tess_picture_height(int which);
const std::uint8_t* tess_picture_rgba(int which);

// Measuring: the followed droplet and the notebook of timings.
/// Follows the shown droplet whose marker is nearest (x, y) and within `radius`, all in view
/// pixels from the view centre; a point near no marker lets the followed droplet go. Returns the
/// droplet followed now, 0 for none.
int tess_follow_at(double x, double y, double radius);
/// Space/Enter (FollowNearest) or an arrow key on the microscope; returns the droplet followed.
int tess_follow_key(int key);
/// Lets the followed droplet go.
void tess_release();
int tess_followed();
/// One burst of the ionising source; the next row of the notebook is marked.
void tess_ionise();
void tess_set_brownian(int on);
int tess_brownian();
/// The teacher's choice: radius, charge and the estimate worked out (1) or left to students (0).
void tess_set_calculations(int on);
/// The microscope's text alternative.
const char* tess_microscope_description();
/// Records the stopwatch reading as a notebook row; returns the number of rows.
int tess_record();
/// What a screen reader says about the row recorded last: its number, droplet and time.
const char* tess_row_recorded_text();
/// What a screen reader says as the stopwatch stops: the reading it keeps.
const char* tess_stopwatch_stopped_text();
int tess_notebook_size();
/// An empty notebook, as for a new identifier.
void tess_notebook_clear();
/// Deletes row `index` (from 0); returns 0 when there is no such row.
int tess_notebook_delete(int index);
/// The table as the window shows it: {"columns":[...],"rows":[{"label","cells":[...]}],"estimate"}.
const char* tess_notebook_json();
/// The notebook as a CSV file (the desktop's format).
const char* tess_notebook_csv();
/// Replaces the notebook with the rows of a CSV file's `size` bytes; returns 0 and leaves the
/// notebook as it was when they are no notebook (tess_notebook_problem then says why, in the
/// catalogue's language).
int tess_notebook_read_csv(const std::uint8_t* bytes, int size);
const char* tess_notebook_problem();
/// The most bytes a notebook file may have: the page reads no more of a file than one byte beyond,
/// so that a huge file is refused without being loaded whole.
int tess_longest_notebook();
/// The rows marked as after an ionising burst (the CSV does not hold the mark), "2,5" from 1.
const char* tess_notebook_bursts();
/// Marks those rows, and no others, as after a burst; numbers that name no row are passed over.
void tess_notebook_mark_bursts(const char* rows);
/// The student's report as PDF bytes (tess_bytes_size of them), dated with the local time given.
const std::uint8_t* tess_student_report(const char* name, int year, int month, int day, int hour,
                                        int minute);
int tess_bytes_size();
/// The histogram of the notebook's charges laid out in width x height units, for text
/// `textHeight` high in which "000" is `countsWidth` wide, as JSON (bar edges and lines in
/// thousandths of a unit).
const char* tess_histogram_json(int width, int height, int textHeight, int countsWidth);

// The class's report from several notebook files.
/// Starts a class with no notebook.
void tess_class_begin();
/// Adds the notebook file `fileName` of `size` bytes; returns 0 when it cannot be read (it is
/// then left out of the report, and tess_class_reason says why).
int tess_class_add(const char* fileName, const std::uint8_t* bytes, int size);
const char* tess_class_reason();
/// The class's report as PDF bytes (tess_class_report_size of them; none when no notebook was
/// read).
const std::uint8_t* tess_class_report(int year, int month, int day, int hour, int minute);
int tess_class_report_size();
}

/// What tess_run_until and the commands report as changed.
enum ApiChange : int {
    ChangedMarkers = 1,
    ChangedColumn = 2,
    ChangedStopwatch = 4,
    ChangedSupply = 8, ///< needle and lamp
    ChangedReadouts = 16,
};

/// Wall-clock milliseconds per tick: the desktop's scheduler fires a tick of 10 ms of simulated
/// time every 11 ms, so simulated time runs at 10/11 of wall time.
constexpr double TickWallMilliseconds = 11.0;

/// The voltmeter dial's size in pixels: the voltage panel's picture control.
constexpr int DialWidth = 145;
constexpr int DialHeight = 105;

/// The keys tess_follow_key takes.
enum ApiFollowKey : int {
    FollowNearest = 0,
    FollowLeft = 1,
    FollowRight = 2,
    FollowUp = 3,
    FollowDown = 4,
};
