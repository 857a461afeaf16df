#include "app/HeadlessReport.h"

#include <cstdio>

QString ArgumentPath(std::string_view argument) {
    return QString::fromLocal8Bit(argument.data(), static_cast<qsizetype>(argument.size()));
}

std::string Counted(std::size_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

std::string EstimateLine(const Data::ChargeEstimate& estimate, std::size_t charges,
                         std::string_view more) {
    const std::string tail(more);
    char line[160];
    if (estimate.used > 0)
        std::snprintf(line, sizeof line, "e = %.4g C +- %.2g C from %d charges%s", estimate.value,
                      estimate.uncertainty, estimate.used, tail.c_str());
    else
        std::snprintf(line, sizeof line, "e = not enough data (%s%s)",
                      Counted(charges, "charge").c_str(), tail.c_str());
    return line;
}

std::string ExtrapolationLine(const Data::ChargeExtrapolation& line) {
    if (!line.Found) return "extrapolated: too few droplets";
    char text[200];
    std::snprintf(text, sizeof text,
                  "extrapolated: e = %.4g C +- %.2g C, b = %.3g Pa m +- %.2g Pa m from %d droplets",
                  line.E, line.EUncertainty, line.Slip, line.SlipUncertainty, line.Droplets);
    return text;
}
