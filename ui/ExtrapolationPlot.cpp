#include "ui/ExtrapolationPlot.h"

#include "assets/Colors.h"
#include "report/ExtrapolationGeometry.h"
#include "ui/PlotPainting.h"

#include <QPainter>

ExtrapolationPlot::ExtrapolationPlot(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(160);
}

void ExtrapolationPlot::SetLine(Data::ChargeExtrapolation line) {
    line_ = std::move(line);
    update();
}

void ExtrapolationPlot::SetAxisTitles(const QString& x, const QString& y) {
    xTitle_ = x;
    yTitle_ = y;
    update();
}

void ExtrapolationPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(Palette::HistogramGround));
    const QFontMetrics metrics = painter.fontMetrics();
    const Report::ExtrapolationGeometry g = Report::LayOutExtrapolation(
        {0, 0, width(), height()}, metrics.height(), metrics.horizontalAdvance("0.00"), line_);
    if (!g.Drawn) return;
    const QRect plot = ToQt(g.Plot);
    painter.setPen(QColor(Palette::Ink));
    PaintAxes(painter, plot, g.TickXs, g.TickLength);
    for (int y : g.TickYs)
        painter.drawLine(plot.left() - g.TickLength, y, plot.left(), y);
    PaintFigures(painter, g.XLabels, g.YLabels);
    painter.drawText(ToQt(g.XTitle), Qt::AlignHCenter | Qt::AlignTop, xTitle_);
    painter.drawText(ToQt(g.YTitle), Qt::AlignLeft | Qt::AlignTop, yTitle_);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(Palette::FittedLine), 1.5));
    painter.drawLine(g.LineFrom.X, g.LineFrom.Y, g.LineTo.X, g.LineTo.Y);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Palette::PlotPoints));
    for (const Report::PlotPlace& p : g.Points)
        painter.drawRect(p.X - g.PointSize / 2, p.Y - g.PointSize / 2, g.PointSize, g.PointSize);
}
