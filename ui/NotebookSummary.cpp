#include "ui/NotebookSummary.h"

#include "catalogue/TextCatalogue.h"
#include "model/FieldParsing.h"

#include <cmath>

namespace NotebookSummary {

namespace {
constexpr double Unit = 1e-19;

QString Fixed(double value, int decimals) {
    return QString::fromStdString(Data::FormatFixed(value, 0, decimals));
}
} // namespace

std::vector<double> Charges(const std::vector<Data::NotebookRow>& rows) {
    std::vector<double> charges;
    for (const Data::NotebookRow& row : rows)
        if (row.Charge) charges.push_back(*row.Charge);
    return charges;
}

Data::ChargeEstimate Estimate(const std::vector<Data::NotebookRow>& rows) {
    std::vector<double> coulombs;
    for (double q : Charges(rows))
        coulombs.push_back(q * Unit);
    return Data::EstimateElementaryCharge(coulombs);
}

QString EstimateSentence(const Data::ChargeEstimate& estimate) {
    if (estimate.used == 0) return QString::fromStdString(Data::GetText(524));
    const double deviation = (estimate.value - AcceptedCharge) / AcceptedCharge * 100;
    const QString signedDeviation = (deviation > 0   ? "+"
                                     : deviation < 0 ? "−"
                                                     : "") +
                                    Fixed(std::fabs(deviation), 1);
    return QString::fromStdString(Data::GetText(523))
        .arg(Fixed(estimate.value / Unit, 3), Fixed(estimate.uncertainty / Unit, 3),
             QString::number(estimate.used), signedDeviation, Fixed(AcceptedCharge / Unit, 3));
}

} // namespace NotebookSummary
