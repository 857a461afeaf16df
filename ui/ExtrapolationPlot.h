#pragma once
// The extrapolation plot of a notebook timed in real air: (q/n)^(2/3) against 1/(p·r) with the
// line fitted through the charges, whose meeting with the left axis gives e.

#include "model/Extrapolation.h"

#include <QWidget>

class ExtrapolationPlot : public QWidget {
    Q_OBJECT

public:
    explicit ExtrapolationPlot(QWidget* parent = nullptr);
    void SetLine(Data::ChargeExtrapolation line);
    void SetAxisTitles(const QString& x, const QString& y);
    const Data::ChargeExtrapolation& Line() const { return line_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Data::ChargeExtrapolation line_;
    QString xTitle_, yTitle_;
};
