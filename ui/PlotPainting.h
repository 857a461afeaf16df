#pragma once
// What the notebook window's plots share when they paint their layouts: device rectangles, the
// axes with the ticks below them, and the figures of both axes.

#include "report/HistogramGeometry.h"

#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

inline QRect ToQt(const Report::UnitRect& r) {
    return QRect(r.Left, r.Top, r.Width, r.Height);
}

/// The axes along the plot's bottom and left edges, the ticks below the one across, in ink.
inline void PaintAxes(QPainter& painter, const QRect& plot, const std::vector<int>& ticks,
                      int tickLength) {
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int at : ticks)
        painter.drawLine(at, plot.bottom(), at, plot.bottom() + tickLength);
}

/// The figures across (centred at the top of their boxes) and up (right-aligned, centred on
/// their height).
inline void PaintFigures(QPainter& painter, const std::vector<Report::Label>& across,
                         const std::vector<Report::Label>& up) {
    for (const Report::Label& label : across)
        painter.drawText(ToQt(label.Box), Qt::AlignHCenter | Qt::AlignTop,
                         QString::fromStdString(label.Text));
    for (const Report::Label& label : up)
        painter.drawText(ToQt(label.Box), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(label.Text));
}
