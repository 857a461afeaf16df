#pragma once
// The student's session: everything a run of the experiment holds beyond the chamber's own state
// (model/Data.h). The droplet followed, the notebook with its burst marks and the spray's
// numbering, the teacher's calculations switch, the view's scroll positions and readouts, what
// the two number fields and their spin buttons show, what the instruments were last drawn with,
// and what is said to a screen reader.
//
// One session for both editions: the desktop's window and the page each forward what the
// student does to one command here and draw from what it returns, a sum of Lab::Change flags.
// The chamber itself stays the model's; the commands change it through the model's routines.

#include "lab/Changes.h"
#include "lab/Lesson.h"
#include "model/Data.h"
#include "model/DropletChoice.h"
#include "model/Notebook.h"
#include "model/ViewGeometry.h"

#include <array>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Lab {

/// The window's number fields, each with its spin buttons; the pressure's is shown with real air.
enum class Field { Voltage, Temperature, Pressure };
/// The view's two scroll bars.
enum class Axis { Across, UpDown };
/// How a field's text changed: typed by the student, or written by the program.
enum class Edit { Typed, Written };
/// What the keys of the focused microscope choose: the droplet nearest the centre, or the
/// nearest one in a direction from the followed one.
enum class FollowKey { Nearest, Left, Right, Up, Down };

/// The droplets' markers as the view shows them, droplet 1 first.
using MarkerTable = std::array<Data::MarkerPlace, Data::DropletCount>;

/// How the session reaches a front end's display during a tick.
struct Display {
    /// True when what is drawn now would be seen; while it is false the session keeps what
    /// changed and asks for it all at the first refresh that is seen.
    std::function<bool()> Seen;
    /// Draws what changed (a sum of Change flags).
    std::function<void(int changes)> Draw;
};

class Session {
public:
    /// A session with the controls as the window's design creates them and an empty notebook.
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /// The ticks draw through `display` from now on: the model's view refresh and stopwatch
    /// display are the session's until Detach (or its end).
    void Attach(Display display);
    void Detach();

    // --- A run ----------------------------------------------------------------------------
    /// A run starts: the chamber at 20 °C and settled, the supply off with positive polarity and
    /// a setting of 0 V (the plate voltage left as it is); the controls as designed, nothing
    /// followed. The notebook stays as it is. Returns everything, to be drawn afresh.
    int BeginRun();
    /// The view as the chamber stands now: the markers and the thermometer's column taken for
    /// drawing. What the tick's view refresh does, also on its own.
    int TakeView();
    int TakeMarkers();
    int TakeColumn();

    /// The student at work, as typed at the prompt: the rows recorded name them, and under a
    /// class code their chamber is their own.
    void SetStudent(std::string identifier) { student_ = std::move(identifier); }
    const std::string& Student() const { return student_; }
    /// The teacher's class code, "" for none: from the next spray on, each spray and each burst
    /// follows from the code and the student (model/AssessedChamber.h). A code
    /// Lab::ClassCodeFaultOf refuses is taken as none.
    void SetClassCode(std::string code);
    const std::string& ClassCode() const { return classCode_; }
    /// The spray the chamber holds under the class code (from 1), 0 when it is not assessed.
    int AssessedSpray() const { return assessed_ ? spray_ : 0; }

    // --- The chamber's controls -------------------------------------------------------------
    /// Sprays the droplets afresh: nothing followed, the view recentred with its scroll bars, the
    /// new droplets numbered above every droplet the notebook names.
    int Inject();
    int SwitchSupply();
    int ReversePolarity();
    /// The field's text changed. The voltage field applies every whole number at once and shows
    /// it clamped; the temperature field applies every number, shown as typed while the student
    /// types and at once in the field's format when written by the program. The pressure field
    /// is the temperature's, except that a number out of its range keeps the last good value.
    int FieldChanged(Field field, std::string_view text, Edit how);
    /// Editing the temperature or the pressure field ended (Enter, the focus leaving it): it
    /// shows the value in force.
    int EditingFinished(Field field);
    /// One step of the field's spin buttons up (+1) or down (-1), from the whole number in the
    /// field when there is one, else from their own position; the new position is written into
    /// the field, which takes it as any text the program writes.
    int Spin(Field field, int direction);
    /// The spin buttons moved to a position (clamped to their range), as assistive technology
    /// sets them; nothing when they are there already.
    int SpinTo(Field field, int position);
    /// The scroll bar moved to a position 0-100; its readout and the view follow.
    int ShiftView(Axis axis, int position);
    int StartStopwatch();
    /// Stops the stopwatch; what it keeps is announced.
    int StopStopwatch();
    int SetBrownianMotion(bool on);
    /// Fills the chamber with real air at the pressure its field shows, or with the ideal fluid.
    int SetRealAir(bool on);
    /// One burst of the ionising source; the next row recorded is marked.
    int Ionise();

    // --- Following a droplet --------------------------------------------------------------
    /// Follows the droplet whose marker, as last drawn, is nearest (x, y) and no farther than
    /// `reach`, all in view pixels from the view centre (the design's reach of a click or a tap,
    /// scaled as the view is drawn); a point near no marker lets go.
    int FollowAt(double x, double y, double reach);
    /// The droplet a key chooses; with no droplet in view the one followed is kept.
    int Follow(FollowKey key);
    /// The key of that name chooses (the names of the page's KeyboardEvent.key: " ", "Enter",
    /// "ArrowLeft", ...); nothing for a key that chooses nothing.
    static std::optional<FollowKey> FollowKeyNamed(std::string_view key);
    int LetGo();

    // --- The notebook ---------------------------------------------------------------------
    /// Records the stopwatch reading as a new row; the row is announced.
    int Record();
    /// Removes the rows of these indexes (from 0); indexes that name no row are passed over.
    int DeleteRows(std::span<const int> indexes);
    /// A cell of a row as the student corrects it (a Report::NotebookColumn): the droplet (1 to
    /// the largest number), the ticks (0 to Data::LargestTicks), either empty for unknown, or the
    /// direction ("0" fall, "1" rise, "2" balanced). Nothing changes, and 0 is returned, for any
    /// other text or cell.
    int EditCell(int row, int column, std::string_view text);
    /// Replaces the notebook (a new identifier's, or one read from a file) with its burst marks;
    /// nothing is followed any more and the spray's droplets are numbered above the rows'.
    int OpenNotebook(std::vector<Data::NotebookRow> rows, std::string_view marks = {});
    /// Reads a notebook file's text into the notebook, as OpenNotebook. When it is no notebook,
    /// nothing changes, 0 is returned and `problem` says why in the catalogue's words.
    int ReadNotebook(std::string_view csv, std::string& problem);
    /// Marks these rows, and no others, as after a burst ("2,5", counted from 1); numbers that
    /// name no row are passed over.
    int MarkBursts(std::string_view marks);
    /// The teacher's switch: radius, charge and the estimate worked out, or left to the students.
    int SetCalculations(bool on);
    /// How many droplets the teacher asks a student to time (Lab::DefaultDroplets unless set).
    int SetAskedDroplets(int droplets);
    int AskedDroplets() const { return askedDroplets_; }

    // --- What to draw -----------------------------------------------------------------------
    /// The droplet followed, 1 to 100, or 0 for none.
    int Followed() const { return followed_; }
    /// The notebook's number of droplet 1..100 of this spray.
    int NotebookNumber(int droplet) const { return droplet + sprayNumberOffset_; }
    const MarkerTable& Markers() const { return markers_; }
    int MarkersInView() const { return markersInView_; }
    int ColumnTop() const { return columnTop_; }
    const std::string& StopwatchText() const { return stopwatchText_; }
    int ScrollPosition(Axis axis) const { return scroll_[Index(axis)]; }
    const std::string& Readout(Axis axis) const { return readouts_[Index(axis)]; }
    /// The text the field shows.
    const std::string& FieldText(Field field) const { return fields_[Index(field)].Text; }
    int SpinPosition(Field field) const { return fields_[Index(field)].Position; }
    const std::vector<Data::NotebookRow>& Rows() const { return rows_; }
    bool Calculations() const { return calculations_; }
    /// The rows marked as after a burst, "2,5" from 1 (what MarkBursts takes).
    std::string BurstMarks() const;

    // --- What is said -----------------------------------------------------------------------
    /// What the microscope shows: the droplets in view and the followed one.
    std::string MicroscopeDescription() const;
    /// How many droplets are in view, in words.
    std::string DropletsInView() const;
    /// The last thing to announce: the stopwatch stopped, a row recorded.
    const std::string& Announcement() const { return announcement_; }

    // --- Ticks that show nothing ----------------------------------------------------------
    /// No tick can change what the window shows until the next input.
    static constexpr int UntilInput = std::numeric_limits<int>::max();
    /// How many of the next ticks (at most `most`) may run together, all but the last showing
    /// nothing new: 1 when the next one may change the view; UntilInput while nothing in it can
    /// change until the next command.
    int QuietTicks(int most) const;
    /// True when the thermometer's column will not move again while the set temperature stays.
    bool ThermometerSettled() const;

private:
    /// A number field with its spin buttons.
    struct FieldState {
        std::string Text;
        int Position = 0;
        int Min = 0;
        int Max = 100;
        int Increment = 1;
    };

    static std::size_t Index(Axis axis) { return axis == Axis::UpDown ? 1 : 0; }
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
    void DesignedControls();
    void ViewRefreshed();
    void StopwatchWritten(const std::string& text);
    bool Seen() const;
    int Follow(int droplet);
    int NotebookChanged();
    int ApplyVoltageText(const std::string& text);
    int ApplyTemperatureText(const std::string& text, Edit how);
    int ApplyPressureText(const std::string& text, Edit how);
    int ShowInForce(Field field);

    Display display_;
    bool attached_ = false;
    /// What ticks changed while nobody saw the window, drawn at the first refresh seen.
    int unseen_ = 0;
    bool behind_ = false;

    int followed_ = 0;
    MarkerTable markers_{};
    int markersInView_ = 0;
    int columnTop_ = 0;
    std::string stopwatchText_;
    std::array<int, 2> scroll_{};
    std::array<std::string, 2> readouts_;
    std::array<FieldState, 3> fields_;
    std::string announcement_;

    std::vector<Data::NotebookRow> rows_;
    bool calculations_ = true;
    int askedDroplets_ = DefaultDroplets;
    /// An ionising burst came after the last row: the next row is marked.
    bool burstSinceLastRow_ = false;
    /// What this spray's droplets add to their numbers 1 to 100 in the notebook.
    int sprayNumberOffset_ = 0;

    std::string student_;
    std::string classCode_;
    /// The student's sprays so far and the bursts of the last one; whether it follows the code.
    int spray_ = 0;
    int bursts_ = 0;
    bool assessed_ = false;
};

} // namespace Lab
