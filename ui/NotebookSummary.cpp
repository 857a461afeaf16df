#include "ui/NotebookSummary.h"

#include "catalogue/TextCatalogue.h"
#include "model/FieldParsing.h"

#include <QRegularExpression>
#include <cmath>

namespace NotebookSummary {

namespace {
constexpr double Unit = 1e-19;

QString Fixed(double value, int decimals) {
    return QString::fromStdString(Data::FormatFixed(value, 0, decimals));
}
} // namespace

QString SignedPercent(double percent, int decimals) {
    const QString size = Fixed(std::fabs(percent), decimals);
    // The sign only where the rounded figure is not zero.
    if (size.contains(QRegularExpression("[1-9]"))) return (percent > 0 ? "+" : "−") + size;
    return size;
}

QString EstimateSentence(const Data::ChargeEstimate& estimate) {
    if (estimate.used == 0) return QString::fromStdString(Data::GetText(524));
    const QString signedDeviation =
        SignedPercent((estimate.value - AcceptedCharge) / AcceptedCharge * 100);
    return QString::fromStdString(Data::GetText(523))
        .arg(Fixed(estimate.value / Unit, 3), Fixed(estimate.uncertainty / Unit, 3),
             QString::number(estimate.used), signedDeviation, Fixed(AcceptedCharge / Unit, 3));
}

} // namespace NotebookSummary
