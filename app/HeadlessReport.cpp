#include "app/HeadlessReport.h"

#include <cstdio>

std::unique_ptr<QGuiApplication> StartHeadless() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    // QGuiApplication keeps the count and the arguments for its whole life.
    static int argc = 1;
    static char name[] = "tessilar";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

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
