#include "notebook/NotebookReasons.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "model/FieldParsing.h"
#include "model/Notebook.h"

#include <array>
#include <utility>

namespace Notebook {

namespace {

/// The catalogue text of each fault of the text, in the order of CsvFault.
constexpr std::array CsvFaultTexts = {Texts::FileTooLong,  Texts::NotUtf8,    Texts::NoHeader,
                                      Texts::WrongHeader,  Texts::OpenQuote,  Texts::CellCount,
                                      Texts::BadDroplet,   Texts::BadTicks,   Texts::BadTime,
                                      Texts::BadDirection, Texts::BadVoltage, Texts::BadTemperature,
                                      Texts::BadSpray,     Texts::BadBursts,  Texts::BadPressure};
static_assert(CsvFaultTexts.size() == static_cast<std::size_t>(CsvFault::BadPressure) + 1);

/// The catalogue text of each fault of the file, in the order of FileFault.
constexpr std::array FileFaultTexts = {Texts::NoSuchFile, Texts::NotAllowed, Texts::Unreadable,
                                       Texts::NoNotebooks};
static_assert(FileFaultTexts.size() == static_cast<std::size_t>(FileFault::NoNotebooks) + 1);

} // namespace

std::string Describe(const CsvProblem& problem) {
    const int text = CsvFaultTexts.at(static_cast<std::size_t>(problem.Fault));
    std::string reason;
    switch (problem.Fault) {
    case CsvFault::TooLong:
        reason = Data::GetText(text, {std::to_string(LongestNotebook / (1024 * 1024))});
        break;
    case CsvFault::CellCount:
        reason = Data::GetText(text, {problem.Detail, std::to_string(problem.Cells)});
        break;
    case CsvFault::BadDroplet:
        reason = Data::GetText(text, {std::to_string(Data::LargestDropletNumber), problem.Detail});
        break;
    case CsvFault::BadTicks:
        reason = Data::GetText(text, {std::to_string(Data::LargestTicks), problem.Detail});
        break;
    case CsvFault::BadSpray:
        reason = Data::GetText(text, {std::to_string(Data::LargestSpray), problem.Detail});
        break;
    case CsvFault::BadBursts:
        reason = Data::GetText(text, {std::to_string(Data::LargestBursts), problem.Detail});
        break;
    case CsvFault::BadPressure:
        reason =
            Data::GetText(text, {Data::FormatFixed(Data::LowestPressure, 0, 0),
                                 Data::FormatFixed(Data::HighestPressure, 0, 0), problem.Detail});
        break;
    default:
        reason = Data::GetText(text, {problem.Detail});
    }
    if (problem.Line <= 0) return reason;
    return Data::GetText(Texts::OnLine, {std::to_string(problem.Line), reason});
}

std::string Describe(FileFault fault) {
    return Data::GetText(FileFaultTexts.at(static_cast<std::size_t>(fault)));
}

} // namespace Notebook
