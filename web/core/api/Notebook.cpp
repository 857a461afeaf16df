// The notebook: its commands forwarded to the session, the table and the histogram as the page
// draws them, the CSV file and the student's report.
#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/Session.h"
#include "model/ClassResults.h"
#include "model/Extrapolation.h"
#include "notebook/NotebookCsv.h"
#include "report/ExtrapolationGeometry.h"
#include "report/HistogramGeometry.h"
#include "report/NotebookTexts.h"
#include "report/PdfDocument.h"
#include "report/Reports.h"
#include "web/core/api/Api.h"
#include "web/core/api/Json.h"
#include "web/core/api/Run.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using WebRun::Session;

std::string TableReturned, HistogramReturned, ExtrapolationReturned, CsvReturned, BurstsReturned;
std::string Problem;
std::string Bytes;

void WriteBox(JsonWriter& json, const Report::UnitRect& r) {
    json.BeginArray().Number(r.Left).Number(r.Top).Number(r.Width).Number(r.Height).EndArray();
}

void WriteLabels(JsonWriter& json, const char* name, const std::vector<Report::Label>& list) {
    json.Key(name).BeginArray();
    for (const Report::Label& label : list) {
        json.BeginObject().Key("box");
        WriteBox(json, label.Box);
        json.Key("text").String(label.Text).EndObject();
    }
    json.EndArray();
}

void WritePlace(JsonWriter& json, const Report::PlotPlace& place) {
    json.BeginArray().Number(place.X).Number(place.Y).EndArray();
}

void WriteNumbers(JsonWriter& json, const char* name, const std::vector<int>& numbers) {
    json.Key(name).BeginArray();
    for (const int n : numbers)
        json.Number(n);
    json.EndArray();
}

} // namespace

extern "C" {

int tess_record() {
    return Session().Record();
}

int tess_notebook_size() {
    return static_cast<int>(Session().Rows().size());
}

int tess_notebook_clear() {
    return Session().OpenNotebook({});
}

int tess_notebook_delete(int index) {
    const int rows[] = {index};
    return Session().DeleteRows(rows);
}

int tess_notebook_read_csv(const std::uint8_t* bytes, int size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes),
                                bytes && size > 0 ? static_cast<std::size_t>(size) : 0);
    return Session().ReadNotebook(text, Problem);
}

const char* tess_notebook_problem() {
    return Problem.c_str();
}

int tess_longest_notebook() {
    return static_cast<int>(Notebook::LongestNotebook);
}

const char* tess_notebook_bursts() {
    return WebRun::Returned(BurstsReturned, Session().BurstMarks());
}

int tess_notebook_mark_bursts(const char* rows) {
    return Session().MarkBursts(rows ? rows : "");
}

int tess_set_calculations(int on) {
    return Session().SetCalculations(on != 0);
}

const char* tess_notebook_json() {
    const std::vector<std::string> titles = Report::ColumnTitles();
    const std::vector<std::string> directions = Report::DirectionNames();
    const std::vector<Data::NotebookRow>& rows = Session().Rows();
    const std::vector<int> columns = Report::ReportColumns(
        Session().Calculations(), Data::RealAir || Data::TimedInRealAir(rows));
    JsonWriter json;
    json.BeginObject().Key("columns").BeginArray();
    for (const int column : columns)
        json.String(titles.at(static_cast<std::size_t>(column)));
    json.EndArray().Key("rows").BeginArray();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Data::NotebookRow& row = rows[i];
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
    if (Session().Calculations()) {
        json.Key("estimate").String(Report::NotebookEstimateSentence(rows));
        json.Key("progress")
            .String(Lab::ProgressSentence(Lab::ProgressOf(rows, Session().AskedDroplets())));
        if (Data::TimedInRealAir(rows))
            json.Key("extrapolated")
                .String(Report::ExtrapolationSentence(Data::ExtrapolateCharge(rows)));
    }
    json.EndObject();
    return WebRun::Returned(TableReturned, json.Text());
}

const char* tess_histogram_json(int width, int height, int textHeight, int countsWidth) {
    const Report::HistogramGeometry g = Report::LayOutHistogram(
        {0, 0, width, height}, textHeight, countsWidth, Data::NotebookCharges(Session().Rows()),
        Data::NotebookEstimate(Session().Rows()));
    JsonWriter json;
    // Bar edges and line places are fractions of a unit: thousandths, as whole numbers.
    const auto milli = [](double x) { return std::llround(x * 1000); };
    json.BeginObject().Key("drawn").Bool(g.Drawn).Key("plot");
    WriteBox(json, g.Plot);
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
    json.EndArray();
    WriteNumbers(json, "ticks", g.TickXs);
    json.Key("tickLength").Number(g.TickLength);
    WriteLabels(json, "chargeLabels", g.ChargeLabels);
    WriteLabels(json, "countLabels", g.CountLabels);
    json.Key("axisTitle");
    WriteBox(json, g.AxisTitle);
    json.Key("axisTitleText").String(Report::ColumnTitles().at(Report::ChargeColumn));
    json.EndObject();
    return WebRun::Returned(HistogramReturned, json.Text());
}

const char* tess_extrapolation_json(int width, int height, int textHeight, int labelWidth) {
    const Data::ChargeExtrapolation line = Data::ExtrapolateCharge(Session().Rows());
    const Report::ExtrapolationGeometry g =
        Report::LayOutExtrapolation({0, 0, width, height}, textHeight, labelWidth, line);
    JsonWriter json;
    json.BeginObject().Key("drawn").Bool(g.Drawn).Key("plot");
    WriteBox(json, g.Plot);
    json.Key("points").BeginArray();
    for (const Report::PlotPlace& p : g.Points)
        WritePlace(json, p);
    json.EndArray().Key("pointSize").Number(g.PointSize).Key("lineFrom");
    WritePlace(json, g.LineFrom);
    json.Key("lineTo");
    WritePlace(json, g.LineTo);
    WriteNumbers(json, "ticksX", g.TickXs);
    WriteNumbers(json, "ticksY", g.TickYs);
    json.Key("tickLength").Number(g.TickLength);
    WriteLabels(json, "labelsX", g.XLabels);
    WriteLabels(json, "labelsY", g.YLabels);
    json.Key("titleX");
    WriteBox(json, g.XTitle);
    json.Key("titleY");
    WriteBox(json, g.YTitle);
    json.Key("titleXText").String(Data::GetText(Texts::ExtrapolationXAxis));
    json.Key("titleYText").String(Data::GetText(Texts::ExtrapolationYAxis));
    json.Key("name").String(
        Data::GetText(Texts::ExtrapolationPlot, {std::to_string(line.Points.size())}));
    json.Key("sentence").String(Report::ExtrapolationSentence(line));
    json.EndObject();
    return WebRun::Returned(ExtrapolationReturned, json.Text());
}

const char* tess_notebook_csv() {
    return WebRun::Returned(CsvReturned, Notebook::ToCsv(Session().Rows()));
}

const std::uint8_t* tess_student_report(const char* name, int year, int month, int day, int hour,
                                        int minute) {
    const Pdf::DateTime made{
        .Year = year, .Month = month, .Day = day, .Hour = hour, .Minute = minute};
    Bytes = Report::StudentReportPdf(name ? name : "", Session().Rows(), Session().Calculations(),
                                     made);
    return reinterpret_cast<const std::uint8_t*>(Bytes.data());
}

int tess_bytes_size() {
    return static_cast<int>(Bytes.size());
}

} // extern "C"
