#include "ui/ChargeHistogram.h"

#include "assets/Colors.h"
#include "report/HistogramGeometry.h"
#include "ui/PlotPainting.h"

#include <QPainter>

void DrawChargeHistogram(QPainter& painter, const QRect& area, const std::vector<double>& charges,
                         const Data::ChargeEstimate& estimate, const QString& axisTitle) {
    const QFontMetrics metrics = painter.fontMetrics();
    const Report::HistogramGeometry g = Report::LayOutHistogram(
        {area.left(), area.top(), area.width(), area.height()}, metrics.height(),
        metrics.horizontalAdvance("000"), charges, estimate);
    if (!g.Drawn) return;
    painter.save();
    const QRect plot = ToQt(g.Plot);
    painter.fillRect(area, QColor(Palette::HistogramGround));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::Bars));
    for (const Report::Bar& bar : g.Bars)
        painter.drawRect(QRectF(QPointF(bar.Left, bar.Top), QPointF(bar.Right, bar.Bottom)));
    // Faint lines at the whole multiples of the estimate, seen through the bars too.
    painter.setPen(QPen(QColor::fromRgba(Palette::Multiples), 0, Qt::DashLine));
    for (double x : g.EstimateLines)
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(QColor(Palette::Ink));
    painter.setBrush(Qt::NoBrush);
    PaintAxes(painter, plot, g.TickXs, g.TickLength);
    PaintFigures(painter, g.ChargeLabels, g.CountLabels);
    painter.drawText(ToQt(g.AxisTitle), Qt::AlignHCenter | Qt::AlignTop, axisTitle);
    painter.restore();
}

ChargeHistogram::ChargeHistogram(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(140);
}

void ChargeHistogram::SetCharges(std::vector<double> charges,
                                 const Data::ChargeEstimate& estimate) {
    charges_ = std::move(charges);
    estimate_ = estimate;
    update();
}

void ChargeHistogram::SetAxisTitle(const QString& title) {
    axisTitle_ = title;
    update();
}

void ChargeHistogram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawChargeHistogram(painter, rect(), charges_, estimate_, axisTitle_);
}
