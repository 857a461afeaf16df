// Measuring: following a droplet, timing it and the notebook of the timings, kept in the core so
// that the page only forwards clicks and keys and shows what comes back.
#include "catalogue/SpokenReadings.h"
#include "model/ClassResults.h"
#include "model/Data.h"
#include "model/DropletChoice.h"
#include "model/Notebook.h"
#include "notebook/NotebookCsv.h"
#include "notebook/NotebookReasons.h"
#include "report/HistogramGeometry.h"
#include "report/NotebookTexts.h"
#include "report/PdfDocument.h"
#include "report/Reports.h"
#include "web/core/api/Api.h"
#include "web/core/api/Json.h"
#include "web/core/api/RunState.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <variant>
#include <vector>

namespace {

struct NotebookState {
    std::vector<Data::NotebookRow> Rows;
    bool Calculations = true;
    /// An ionising burst came after the last row: the next row is marked.
    bool BurstSinceLastRow = false;
    /// What this spray's droplets add to their numbers 1 to 100 in the notebook.
    int SprayNumberOffset = 0;
};
NotebookState Book;
std::string TextReturned;
std::string Problem;
/// What a screen reader says about the row recorded last.
std::string Said;
std::string Bytes;

const char* Returned(std::string text) {
    TextReturned = std::move(text);
    return TextReturned.c_str();
}

void Recompute() {
    Data::RecomputeNotebook(Book.Rows, Book.Calculations);
}

} // namespace

namespace WebRun {
void NewSpray() {
    Book.SprayNumberOffset = Data::SprayNumberOffset(Book.Rows);
}
} // namespace WebRun

extern "C" {

int tess_follow_at(double x, double y, double radius) {
    // Picked among the markers as drawn, which the student clicked on.
    const auto& markers = WebRun::Shown().Markers;
    std::array<Data::MarkerPlace, Data::DropletCount> drawn;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        drawn[i] = {.Shown = markers[3 * i] == 1, .X = markers[3 * i + 1], .Y = markers[3 * i + 2]};
    Data::SelectDroplet(Data::NearestWithin(drawn, x, y, radius));
    return Data::SelectedDroplet;
}

int tess_follow_key(int key) {
    using Data::ViewDirection;
    // The arrows' directions, in the order of their keys from FollowLeft.
    constexpr std::array Arrows{ViewDirection::Left, ViewDirection::Right, ViewDirection::Up,
                                ViewDirection::Down};
    const int chosen =
        key >= FollowLeft && key <= FollowDown
            ? Data::DropletToward(Data::SelectedDroplet,
                                  Arrows.at(static_cast<std::size_t>(key - FollowLeft)))
            : Data::DropletNearestCentre();
    Data::SelectDroplet(chosen);
    return Data::SelectedDroplet;
}

void tess_release() {
    Data::SelectDroplet(0);
}

int tess_followed() {
    return Data::SelectedDroplet;
}

void tess_ionise() {
    Data::IoniseDroplets();
    // The next timing is marked, so that the rows before and after the step stand apart.
    Book.BurstSinceLastRow = true;
}

void tess_set_brownian(int on) {
    Data::SetBrownianMotion(on != 0);
}

int tess_brownian() {
    return Data::BrownianMotion ? 1 : 0;
}

void tess_set_calculations(int on) {
    Book.Calculations = on != 0;
    Recompute();
}

const char* tess_microscope_description() {
    return Returned(Data::MicroscopeDescription(Book.SprayNumberOffset));
}

int tess_record() {
    const Data::NotebookRow row =
        Data::RecordedRow(Book.Rows, Book.SprayNumberOffset, Book.BurstSinceLastRow);
    Book.BurstSinceLastRow = false;
    Book.Rows.push_back(row);
    Recompute();
    const int count = static_cast<int>(Book.Rows.size());
    Said = Data::RowRecordedAnnouncement(count, row.Droplet, row.Time.value_or(0));
    return count;
}

const char* tess_row_recorded_text() {
    return Said.c_str();
}

const char* tess_stopwatch_stopped_text() {
    return Returned(Data::StopwatchStoppedAnnouncement());
}

int tess_notebook_size() {
    return static_cast<int>(Book.Rows.size());
}

void tess_notebook_clear() {
    Book.Rows.clear();
    Book.BurstSinceLastRow = false;
    Book.SprayNumberOffset = 0;
}

int tess_notebook_delete(int index) {
    if (index < 0 || index >= static_cast<int>(Book.Rows.size())) return 0;
    Book.Rows.erase(Book.Rows.begin() + index);
    Recompute();
    return 1;
}

const char* tess_notebook_json() {
    const std::vector<std::string> titles = Report::ColumnTitles();
    const std::vector<std::string> directions = Report::DirectionNames();
    const std::vector<int> columns = Report::ReportColumns(Book.Calculations);
    JsonWriter json;
    json.BeginObject().Key("columns").BeginArray();
    for (const int column : columns)
        json.String(titles.at(static_cast<std::size_t>(column)));
    json.EndArray().Key("rows").BeginArray();
    for (std::size_t i = 0; i < Book.Rows.size(); ++i) {
        const Data::NotebookRow& row = Book.Rows[i];
        json.BeginObject()
            .Key("label")
            .String(Report::RowLabel(static_cast<int>(i), row.AfterBurst))
            .Key("cells")
            .BeginArray();
        for (const int column : columns)
            json.String(Report::CellText(row, column, directions));
        json.EndArray().EndObject();
    }
    json.EndArray();
    if (Book.Calculations)
        json.Key("estimate").String(Report::EstimateSentence(Data::NotebookEstimate(Book.Rows)));
    json.EndObject();
    return Returned(json.Text());
}

const char* tess_histogram_json(int width, int height, int textHeight, int countsWidth) {
    const Report::HistogramGeometry g = Report::LayOutHistogram(
        {0, 0, width, height}, textHeight, countsWidth, Data::NotebookCharges(Book.Rows),
        Data::NotebookEstimate(Book.Rows));
    JsonWriter json;
    const auto box = [&json](const Report::UnitRect& r) {
        json.BeginArray().Number(r.Left).Number(r.Top).Number(r.Width).Number(r.Height).EndArray();
    };
    const auto labels = [&](const char* name, const std::vector<Report::Label>& list) {
        json.Key(name).BeginArray();
        for (const Report::Label& label : list) {
            json.BeginObject().Key("box");
            box(label.Box);
            json.Key("text").String(label.Text).EndObject();
        }
        json.EndArray();
    };
    // Bar edges and line places are fractions of a unit: thousandths, as whole numbers.
    const auto milli = [](double x) { return std::llround(x * 1000); };
    json.BeginObject().Key("drawn").Bool(g.Drawn).Key("plot");
    box(g.Plot);
    json.Key("bars").BeginArray();
    for (const Report::Bar& bar : g.Bars)
        json.BeginArray()
            .Number(milli(bar.Left))
            .Number(milli(bar.Top))
            .Number(milli(bar.Right))
            .Number(milli(bar.Bottom))
            .EndArray();
    json.EndArray().Key("lines").BeginArray();
    for (const double x : g.EstimateLines)
        json.Number(milli(x));
    json.EndArray().Key("ticks").BeginArray();
    for (const int x : g.TickXs)
        json.Number(x);
    json.EndArray().Key("tickLength").Number(g.TickLength);
    labels("chargeLabels", g.ChargeLabels);
    labels("countLabels", g.CountLabels);
    json.Key("axisTitle");
    box(g.AxisTitle);
    json.Key("axisTitleText").String(Report::ColumnTitles().at(Report::ChargeColumn));
    json.EndObject();
    return Returned(json.Text());
}

const char* tess_notebook_csv() {
    return Returned(Notebook::ToCsv(Book.Rows));
}

int tess_notebook_read_csv(const std::uint8_t* bytes, int size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes),
                                bytes && size > 0 ? static_cast<std::size_t>(size) : 0);
    auto read = Notebook::FromCsv(text);
    if (const auto* problem = std::get_if<Notebook::CsvProblem>(&read)) {
        Problem = Notebook::Describe(*problem);
        return 0;
    }
    Book.Rows = std::move(std::get<std::vector<Data::NotebookRow>>(read));
    Book.BurstSinceLastRow = false;
    Book.SprayNumberOffset = Data::SprayNumberOffset(Book.Rows);
    Data::SelectDroplet(0);
    Recompute();
    return 1;
}

const char* tess_notebook_bursts() {
    std::string marked;
    for (std::size_t i = 0; i < Book.Rows.size(); ++i)
        if (Book.Rows[i].AfterBurst) marked += (marked.empty() ? "" : ",") + std::to_string(i + 1);
    return Returned(marked);
}

void tess_notebook_mark_bursts(const char* rows) {
    for (Data::NotebookRow& row : Book.Rows)
        row.AfterBurst = false;
    std::string_view rest = rows ? rows : "";
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view number = rest.substr(0, comma);
        std::size_t row = 0;
        const auto [end, fault] =
            std::from_chars(number.data(), number.data() + number.size(), row);
        if (fault == std::errc{} && end == number.data() + number.size() && row >= 1 &&
            row <= Book.Rows.size())
            Book.Rows[row - 1].AfterBurst = true;
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
}

int tess_longest_notebook() {
    return static_cast<int>(Notebook::LongestNotebook);
}

const char* tess_notebook_problem() {
    return Problem.c_str();
}

const std::uint8_t* tess_student_report(const char* name, int year, int month, int day, int hour,
                                        int minute) {
    const Pdf::DateTime made{
        .Year = year, .Month = month, .Day = day, .Hour = hour, .Minute = minute};
    Bytes = Report::StudentReportPdf(name ? name : "", Book.Rows, Book.Calculations, made);
    return reinterpret_cast<const std::uint8_t*>(Bytes.data());
}

int tess_bytes_size() {
    return static_cast<int>(Bytes.size());
}

} // extern "C"
