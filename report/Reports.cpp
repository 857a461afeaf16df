#include "report/Reports.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "model/Extrapolation.h"
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
    const std::vector<int> columns = ReportColumns(calculations, Data::TimedInRealAir(rows));
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
        flow.Paragraph(NotebookEstimateSentence(rows), Weight::Bold, EstimatePoints);
        if (Data::TimedInRealAir(rows)) {
            // Real air: the extrapolation that needs no slip constant, beside the correction.
            const Data::ChargeExtrapolation line = Data::ExtrapolateCharge(rows);
            flow.Skip(LineHeight(HeadPoints));
            DrawExtrapolation(flow, line, Data::GetText(Texts::ExtrapolationXAxis),
                              Data::GetText(Texts::ExtrapolationYAxis));
            flow.Skip(LineHeight(HeadPoints));
            flow.Paragraph(ExtrapolationSentence(line), Weight::Bold, EstimatePoints);
        }
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
/// the class's and the mark; with a key, the chamber and the right charges before the mark.
Table StudentTable(const Data::ClassResults& results, const Data::ClassKey* key) {
    Table table;
    for (const int text : {Texts::StudentColumn, Texts::DropletsColumn, Texts::ChargesColumn,
                           Texts::EstimateColumn, Texts::FromClassColumn})
        table.Titles.push_back(Data::GetText(text));
    table.Alignments = {Align::Left, Align::Right, Align::Right, Align::Right, Align::Right};
    if (key) {
        for (const int text : {Texts::ChamberColumn, Texts::ChargesRightColumn}) {
            table.Titles.push_back(Data::GetText(text));
            table.Alignments.push_back(Align::Right);
        }
    }
    table.Titles.push_back(Data::GetText(Texts::NoteColumn));
    table.Alignments.push_back(Align::Left);
    for (std::size_t s = 0; s < results.Students.size(); ++s) {
        const Data::StudentResult& student = results.Students[s];
        const Data::ChargeEstimate& e = student.Estimate;
        std::vector<std::string> row = {
            student.Identifier, std::to_string(student.Droplets), std::to_string(student.Charges),
            e.used > 0 ? Fixed(e.value / Unit, 3) + " ± " + Fixed(e.uncertainty / Unit, 3) : "–",
            student.Deviation ? SignedPercent(*student.Deviation) + " %" : "–"};
        std::string note = MarkText(student.Mark);
        if (key && s < key->Notebooks.size()) {
            const Data::NotebookKey& notebook = key->Notebooks[s];
            row.push_back(ChamberCell(notebook));
            row.push_back(ChargesRightCell(notebook));
            if (!notebook.CopyOf.empty())
                note +=
                    (note.empty() ? "! " : "; ") + Data::GetText(Texts::CopyOf, {notebook.CopyOf});
        }
        row.push_back(note);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::string VerdictText(Data::RowVerdict verdict) {
    switch (verdict) {
    case Data::RowVerdict::Right:
        return Data::GetText(Texts::VerdictRight);
    case Data::RowVerdict::Misread:
        return Data::GetText(Texts::VerdictMisread);
    case Data::RowVerdict::FromChamber:
        return Data::GetText(Texts::VerdictFromChamber);
    case Data::RowVerdict::NotFromChamber:
        return Data::GetText(Texts::VerdictNotFromChamber);
    case Data::RowVerdict::NotAssessed:
        break;
    }
    return Data::GetText(Texts::NotAssessed);
}

/// Every row of a student's notebook against the truth of their chamber.
void DrawKey(PageFlow& flow, const std::string& code, const Data::NotebookKey& key,
             const std::vector<Data::NotebookRow>& rows) {
    flow.Skip(LineHeight(HeadPoints));
    flow.Paragraph(Data::GetText(Texts::AnswerKey, {code}), Weight::Bold, HeadPoints);
    Table table;
    for (const int text :
         {Texts::KeyRow, Texts::TrueRadius, Texts::TrueCharge, Texts::RowCharge, Texts::Verdict})
        table.Titles.push_back(Data::GetText(text));
    table.Alignments = {Align::Right, Align::Right, Align::Right, Align::Right, Align::Left};
    for (std::size_t r = 0; r < key.Rows.size() && r < rows.size(); ++r) {
        const Data::RowKey& row = key.Rows[r];
        table.Rows.push_back({RowLabel(static_cast<int>(r), rows[r].AfterBurst),
                              row.Truth ? Fixed(row.Truth->Radius * 1e6, 4) : "–",
                              row.Truth ? std::to_string(row.Truth->Charges) : "–",
                              row.Charge ? Fixed(*row.Charge, 3) : "–", VerdictText(row.Verdict)});
    }
    DrawTable(flow, table);
    flow.Paragraph(Data::GetText(Texts::ChamberColumn) + ": " + ChamberCell(key) + "    " +
                       Data::GetText(Texts::ChargesRightColumn) + ": " + ChargesRightCell(key),
                   Weight::Regular, NotePoints);
}

void DrawClassPage(PageFlow& flow, const Data::ClassResults& results,
                   const std::vector<LeftOut>& leftOut, const Pdf::DateTime& made,
                   const Data::ClassKey* key) {
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
    DrawTable(flow, StudentTable(results, key));
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
                           const std::vector<LeftOut>& leftOut, const Pdf::DateTime& made,
                           const Data::ClassKey* key) {
    Pdf::Document pdf({Data::GetText(Texts::ClassReportTitle), "Tessilar", "Tessilar", made});
    PageFlow flow(pdf);
    DrawClassPage(flow, results, leftOut, made, key);
    for (std::size_t n = 0; n < notebooks.size(); ++n) {
        flow.NewPage();
        DrawStudent(flow, notebooks[n].Identifier, notebooks[n].Rows, true, made);
        if (key && n < key->Notebooks.size())
            DrawKey(flow, key->Code, key->Notebooks[n], notebooks[n].Rows);
    }
    return pdf.Bytes();
}

std::string ChamberCell(const Data::NotebookKey& key) {
    if (key.Assessed == 0) return Data::GetText(Texts::NotAssessed);
    return Data::GetText(Texts::SomeOfAll,
                         {std::to_string(key.Consistent), std::to_string(key.Assessed)});
}

std::string ChargesRightCell(const Data::NotebookKey& key) {
    if (key.Assessed == 0) return "–";
    return Data::GetText(Texts::SomeOfAll,
                         {std::to_string(key.RightCharges), std::to_string(key.Charges)});
}

} // namespace Report
