#pragma once
// The histogram of the notebook's charges: bins of 0.1 × 10⁻¹⁹ C from 0 to at least 6 × 10⁻¹⁹ C,
// with faint lines at the whole multiples of the estimated elementary charge, so that a student
// sees the charges cluster. Drawn with QPainter for the notebook window and the report alike.

#include "model/Analysis.h"

#include <QRect>
#include <QWidget>
#include <vector>

class QPainter;

/// Draws the histogram of `charges` (units of 1e-19 C, signs ignored) into `area`; the lines of
/// `estimate` when it has a value. `axisTitle` names the horizontal axis.
void DrawChargeHistogram(QPainter& painter, const QRect& area, const std::vector<double>& charges,
                         const Data::ChargeEstimate& estimate, const QString& axisTitle);

/// The histogram as a widget.
class ChargeHistogram : public QWidget {
    Q_OBJECT

public:
    explicit ChargeHistogram(QWidget* parent = nullptr);
    void SetCharges(std::vector<double> charges, const Data::ChargeEstimate& estimate);
    void SetAxisTitle(const QString& title);
    const std::vector<double>& Charges() const { return charges_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<double> charges_;
    Data::ChargeEstimate estimate_;
    QString axisTitle_;
};
