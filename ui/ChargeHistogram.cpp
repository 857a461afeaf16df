#include "ui/ChargeHistogram.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double BinWidth = 0.1; ///< 1e-19 C
constexpr double LeastRange = 6; ///< 1e-19 C shown at least
constexpr double Unit = 1e-19;   ///< C per unit of the axis
} // namespace

void DrawChargeHistogram(QPainter& painter, const QRect& area, const std::vector<double>& charges,
                         const Data::ChargeEstimate& estimate, const QString& axisTitle) {
    painter.save();
    const QFontMetrics metrics = painter.fontMetrics();
    const int text = metrics.height();
    // The plot leaves room for the counts on the left and the charges and title below.
    const QRect plot = area.adjusted(metrics.horizontalAdvance("000") + text / 2, text / 2, -text,
                                     -2 * text - text / 2);
    if (plot.width() < 10 || plot.height() < 10) {
        painter.restore();
        return;
    }
    double largest = LeastRange;
    for (double q : charges)
        if (std::isfinite(q)) largest = std::max(largest, std::ceil(std::fabs(q)));
    largest = std::min(largest, 1000.0); // a typing slip must not make a million bins
    const int bins = static_cast<int>(std::lround(largest / BinWidth));
    std::vector<int> counts(static_cast<std::size_t>(bins), 0);
    for (double q : charges) {
        if (!std::isfinite(q)) continue;
        const int bin = std::clamp(static_cast<int>(std::fabs(q) / BinWidth), 0, bins - 1);
        ++counts[static_cast<std::size_t>(bin)];
    }
    const int most = std::max(1, *std::max_element(counts.begin(), counts.end()));
    const auto x = [&](double q) { return plot.left() + q / largest * plot.width(); };
    const auto y = [&](double n) { return plot.bottom() - n / most * plot.height(); };

    painter.fillRect(area, Qt::white);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 128, 128));
    for (int b = 0; b < bins; ++b)
        if (counts[static_cast<std::size_t>(b)] > 0)
            painter.drawRect(
                QRectF(QPointF(x(b * BinWidth), y(counts[static_cast<std::size_t>(b)])),
                       QPointF(x((b + 1) * BinWidth), y(0))));
    // Faint lines at the whole multiples of the estimate, seen through the bars too.
    if (estimate.value > 0) {
        painter.setPen(QPen(QColor(0, 0, 255, 90), 0, Qt::DashLine));
        const double e = estimate.value / Unit;
        for (int n = 1; n * e <= largest; ++n)
            painter.drawLine(QPointF(x(n * e), plot.top()), QPointF(x(n * e), plot.bottom()));
    }
    // Axes, the charges every 1e-19 C and the counts.
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    const int labelEvery = largest > 20 ? static_cast<int>(std::ceil(largest / 10)) : 1;
    for (int q = 0; q <= largest; q += labelEvery) {
        const int at = static_cast<int>(std::lround(x(q)));
        painter.drawLine(at, plot.bottom(), at, plot.bottom() + text / 4);
        painter.drawText(QRect(at - 2 * text, plot.bottom() + text / 4, 4 * text, text),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(q));
    }
    for (int n : {0, most}) {
        const int at = static_cast<int>(std::lround(y(n)));
        painter.drawText(
            QRect(area.left(), at - text / 2, plot.left() - area.left() - text / 4, text),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + text + text / 4, plot.width(), text),
                     Qt::AlignHCenter | Qt::AlignTop, axisTitle);
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
