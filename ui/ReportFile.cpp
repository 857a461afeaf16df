#include "ui/ReportFile.h"

#include <QSaveFile>

Pdf::DateTime ReportMoment(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute()};
}

bool WriteReportFile(const QString& path, const std::string& bytes, QString* error) {
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
