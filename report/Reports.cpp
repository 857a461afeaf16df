#include "report/Reports.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "report/NotebookTexts.h"
#include "report/PageFlow.h"

#include <algorithm>

namespace Report {

namespace {

using Pdf::Weight;
constexpr double Unit = 1e-19; ///< C per unit of the tables' estimates
constexpr double TitlePoints = 16;
constexpr double HeadPoints = 10;
constexpr double NotePoints = 8;
constexpr double EstimatePoints = 11;

/// The notebook's table: the row labels, then every column the report shows.
Table NotebookTable(const std::vector<Data::NotebookRow>& rows, bool calculations) {
    const std::vector<int> columns = ReportColumns(calculations);
    const std::vector<std::string> titles = ColumnTitles();
    const std::vector<std::string> directions = DirectionNames();
    Table table;
    table.Titles.emplace_back();
    table.Alignments.push_back(Align::Right);
    for (int c : columns) {
        table.Titles.push_back(titles[static_cast<std::size_t>(c)]);
        table.Alignments.push_back(c == DirectionColumn ? Align::Centre : Align::Right);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::string> cells = {RowLabel(static_cast<int>(r), rows[r].AfterBurst)};
        for (int c : columns)
            cells.push_back(CellText(rows[r], c, directions));
        table.Rows.push_back(std::move(cells));
    }
    return table;
}

void DrawStudent(PageFlow& flow, const std::string& name,
                 const std::vector<Data::NotebookRow>& rows, bool calculations,
                 const Pdf::DateTime& made) {
    flow.Paragraph(Data::GetText(Texts::ReportTitle), Weight::Bold, TitlePoints);
    flow.Paragraph(Data::GetText(Texts::ReportIdentifier, {name}), Weight::Regular, HeadPoints);
    flow.Paragraph(Data::GetText(Texts::ReportMade, {ShownDate(made)}), Weight::Regular,
                   HeadPoints);
    flow.Skip(LineHeight(HeadPoints));

    DrawTable(flow, NotebookTable(rows, calculations));
    if (std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row.AfterBurst; }))
        flow.Paragraph("⚡ " + Data::GetText(Texts::AfterBurst), Weight::Regular, NotePoints);

    if (calculations) {
        flow.Skip(LineHeight(HeadPoints));
        const Data::ChargeEstimate estimate = Data::NotebookEstimate(rows);
        DrawHistogram(flow, Data::NotebookCharges(rows), estimate,
                      Data::GetText(Texts::ChargeColumn));
        flow.Skip(LineHeight(HeadPoints));
        flow.Paragraph(EstimateSentence(estimate), Weight::Bold, EstimatePoints);
    }
}

std::string MarkText(Data::StudentMark mark) {
    switch (mark) {
    case Data::StudentMark::FarFromClass:
        return "! " + Data::GetText(Texts::FarFromClass, {Fixed(Data::FarFromClassPercent, 0)});
    case Data::StudentMark::TooFewCharges:
        return "! " + Data::GetText(Texts::TooFewCharges);
    case Data::StudentMark::None:
        break;
    }
    return {};
}

/// The table of the students: identifier, droplets, charges, own estimate, its deviation from
/// the class's and the mark.
Table StudentTable(const Data::ClassResults& results) {
    Table table;
    for (const int text : {Texts::StudentColumn, Texts::DropletsColumn, Texts::ChargesColumn,
                           Texts::EstimateColumn, Texts::FromClassColumn, Texts::NoteColumn})
        table.Titles.push_back(Data::GetText(text));
    table.Alignments = {Align::Left,  Align::Right, Align::Right,
                        Align::Right, Align::Right, Align::Left};
    for (const Data::StudentResult& student : results.Students) {
        const Data::ChargeEstimate& e = student.Estimate;
        table.Rows.push_back(
            {student.Identifier, std::to_string(student.Droplets), std::to_string(student.Charges),
             e.used > 0 ? Fixed(e.value / Unit, 3) + " ± " + Fixed(e.uncertainty / Unit, 3) : "–",
             student.Deviation ? SignedPercent(*student.Deviation) + " %" : "–",
             MarkText(student.Mark)});
    }
    return table;
}

void DrawClassPage(PageFlow& flow, const Data::ClassResults& results,
                   const std::vector<LeftOut>& leftOut, const Pdf::DateTime& made) {
    flow.Paragraph(Data::GetText(Texts::ClassReportTitle), Weight::Bold, TitlePoints);
    flow.Paragraph(Data::GetText(Texts::ReportMade, {ShownDate(made)}), Weight::Regular,
                   HeadPoints);
    flow.Paragraph(Data::GetText(Texts::ClassPooled, {std::to_string(results.Students.size()),
                                                      std::to_string(results.Charges.size())}),
                   Weight::Regular, HeadPoints);
    flow.Skip(LineHeight(HeadPoints));
    DrawHistogram(flow, results.Charges, results.Estimate, Data::GetText(Texts::ChargeColumn));
    flow.Skip(LineHeight(HeadPoints));
    flow.Paragraph(EstimateSentence(results.Estimate), Weight::Bold, EstimatePoints);
    flow.Skip(LineHeight(HeadPoints));
    DrawTable(flow, StudentTable(results));
    if (!leftOut.empty()) {
        flow.Skip(LineHeight(HeadPoints));
        flow.Paragraph(Data::GetText(Texts::LeftOut), Weight::Regular, HeadPoints);
        for (const LeftOut& notebook : leftOut)
            flow.Paragraph(notebook.Name + " – " + notebook.Reason, Weight::Regular, NotePoints);
    }
}

} // namespace

std::string StudentReportTitle(const std::string& name) {
    return Data::GetText(Texts::ReportTitle) + " – " + name;
}

std::string StudentReportPdf(const std::string& name, const std::vector<Data::NotebookRow>& rows,
                             bool calculations, const Pdf::DateTime& made) {
    Pdf::Document pdf({StudentReportTitle(name), "Tessilar", "Tessilar", made});
    PageFlow flow(pdf);
    DrawStudent(flow, name, rows, calculations, made);
    return pdf.Bytes();
}

std::string ClassReportPdf(const Data::ClassResults& results,
                           const std::vector<Data::StudentNotebook>& notebooks,
                           const std::vector<LeftOut>& leftOut, const Pdf::DateTime& made) {
    Pdf::Document pdf({Data::GetText(Texts::ClassReportTitle), "Tessilar", "Tessilar", made});
    PageFlow flow(pdf);
    DrawClassPage(flow, results, leftOut, made);
    for (const Data::StudentNotebook& notebook : notebooks) {
        flow.NewPage();
        DrawStudent(flow, notebook.Identifier, notebook.Rows, true, made);
    }
    return pdf.Bytes();
}

} // namespace Report
