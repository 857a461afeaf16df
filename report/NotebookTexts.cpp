#include "report/NotebookTexts.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "model/ClassResults.h"
#include "model/FieldParsing.h"

#include <cmath>
#include <iterator>

namespace Report {

namespace {
/// The column titles, in column order.
constexpr int TitleTexts[] = {
    Texts::DropletColumn,   Texts::TicksColumn,   Texts::DistanceColumn,    Texts::TimeColumn,
    Texts::DirectionColumn, Texts::VoltageColumn, Texts::TemperatureColumn, Texts::PressureColumn,
    Texts::SpeedColumn,     Texts::RadiusColumn,  Texts::ChargeColumn};
static_assert(std::size(TitleTexts) == ColumnCount);
/// The directions' names, in the order of Data::MotionDirection.
constexpr int DirectionTexts[] = {Texts::Fall, Texts::Rise, Texts::Balanced};
constexpr double Unit = 1e-19;    ///< C per unit of the sentence's figures
constexpr double SlipUnit = 1e-3; ///< Pa·m per unit of the slip constant's figures

std::string Number(const std::optional<double>& value, int decimals) {
    return value ? Fixed(*value, decimals) : std::string();
}

std::string Whole(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string();
}
} // namespace

std::vector<std::string> ColumnTitles() {
    std::vector<std::string> titles;
    for (const int text : TitleTexts)
        titles.push_back(Data::GetText(text));
    return titles;
}

std::vector<std::string> DirectionNames() {
    std::vector<std::string> names;
    for (const int text : DirectionTexts)
        names.push_back(Data::GetText(text));
    return names;
}

std::string CellText(const Data::NotebookRow& row, int column,
                     const std::vector<std::string>& directionNames) {
    switch (column) {
    case DropletColumn:
        return Whole(row.Droplet);
    case TicksColumn:
        return Whole(row.Ticks);
    case DistanceColumn:
        return Number(Data::Distance(row), 0);
    case TimeColumn:
        return Number(row.Time, 1);
    case DirectionColumn: {
        const auto d = static_cast<std::size_t>(row.Direction);
        return d < directionNames.size() ? directionNames[d] : std::string();
    }
    case VoltageColumn:
        return Number(row.Voltage, 0);
    case TemperatureColumn:
        return Number(row.Celsius, 2);
    case PressureColumn:
        return Number(row.Pressure, 1);
    case SpeedColumn:
        return Number(row.Speed, 2);
    case RadiusColumn:
        return Number(row.Radius, 3);
    case ChargeColumn:
        return Number(row.Charge, 3);
    }
    return {};
}

std::string RowLabel(int index, bool afterBurst) {
    // A burst of the ionising source came before this timing: the charges may differ from here.
    return std::to_string(index + 1) + (afterBurst ? " ⚡" : "");
}

std::vector<int> ReportColumns(bool calculations, bool realAir) {
    std::vector<int> columns;
    for (int c = 0; c < ColumnCount; ++c)
        if ((calculations || (c != RadiusColumn && c != ChargeColumn)) &&
            (realAir || c != PressureColumn))
            columns.push_back(c);
    return columns;
}

std::string Fixed(double value, int decimals) {
    return Data::FormatFixed(value, 0, decimals);
}

std::string SignedPercent(double percent, int decimals) {
    const std::string size = Fixed(std::fabs(percent), decimals);
    // The sign only where the rounded figure is not zero.
    if (size.find_first_of("123456789") != std::string::npos)
        return (percent > 0 ? "+" : "−") + size;
    return size;
}

std::string EstimateSentence(const Data::ChargeEstimate& estimate) {
    if (estimate.used == 0) return Data::GetText(Texts::TooFewForEstimate);
    const std::string deviation =
        SignedPercent((estimate.value - AcceptedCharge) / AcceptedCharge * 100);
    return Data::GetText(Texts::Estimate,
                         {Fixed(estimate.value / Unit, 3), Fixed(estimate.uncertainty / Unit, 3),
                          std::to_string(estimate.used), deviation,
                          Fixed(AcceptedCharge / Unit, 3)});
}

std::string CorrectedSentence(const Data::ChargeEstimate& estimate) {
    return Data::GetText(Texts::CorrectedAnalysis, {Fixed(Data::SlipConstant / SlipUnit, 1)}) +
           " " + EstimateSentence(estimate);
}

std::string ExtrapolationSentence(const Data::ChargeExtrapolation& line) {
    if (!line.Found)
        return Data::GetText(Texts::ExtrapolationTooFew,
                             {std::to_string(Data::FewestExtrapolatedDroplets)});
    return Data::GetText(Texts::ExtrapolatedEstimate,
                         {Fixed(line.E / Unit, 3), Fixed(line.EUncertainty / Unit, 3),
                          Fixed(line.Slip / SlipUnit, 2), Fixed(line.SlipUncertainty / SlipUnit, 2),
                          std::to_string(line.Droplets)});
}

std::string NotebookEstimateSentence(const std::vector<Data::NotebookRow>& rows) {
    const Data::ChargeEstimate estimate = Data::NotebookEstimate(rows);
    return Data::TimedInRealAir(rows) ? CorrectedSentence(estimate) : EstimateSentence(estimate);
}

} // namespace Report
