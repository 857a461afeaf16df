#include "notebook/NotebookFile.h"

#include "notebook/NotebookCsv.h"
#include "notebook/NotebookReasons.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Notebook {

namespace {
/// Bytes of the identifier kept in a file name: with ".csv", a hash and a set-aside suffix it
/// stays well below the 255 bytes of common file systems.
constexpr qsizetype LongestStem = 160;
/// The file name's ending of the notebooks and of their marks.
constexpr QLatin1String NotebookEnding(".csv");
constexpr QLatin1String MarksEnding(".bursts");

/// Writes the bytes beside the file and puts them in its place, so that a crash leaves the old
/// file or the new one; false with the reason.
bool WriteInOneStep(const QString& path, const std::string& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool Unsafe(QChar c) {
    return c == '/' || c == '\\' || c.category() == QChar::Other_Control || c == QChar(0x7F);
}
} // namespace

QString Folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/tessilar/notebooks";
}

QString FileNameFor(const QString& identifier) {
    if (identifier.isEmpty()) return "notebook.csv";
    QString stem = identifier;
    for (QChar& c : stem)
        if (Unsafe(c)) c = '_';
    if (stem.startsWith('.')) stem[0] = '_';
    if (stem.toUtf8().size() > LongestStem) {
        // Cut on a character boundary, and tell long identifiers with the same start apart.
        QByteArray bytes = stem.toUtf8().left(LongestStem);
        stem = QString::fromUtf8(bytes);
        if (!stem.isEmpty() && stem.back() == QChar::ReplacementCharacter) stem.chop(1);
        const QByteArray digest =
            QCryptographicHash::hash(identifier.toUtf8(), QCryptographicHash::Sha1).toHex();
        stem += "~" + QString::fromLatin1(digest.left(8));
    }
    return stem + ".csv";
}

std::optional<std::vector<Data::NotebookRow>> Read(const QString& path, QString* problem) {
    const auto fail = [problem](const std::string& reason) {
        *problem = QString::fromStdString(reason);
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists()) return fail(Describe(FileFault::Missing));
    if (!info.isReadable()) return fail(Describe(FileFault::NotAllowed));
    // A file far too long is not read into memory at all.
    if (info.size() > static_cast<qint64>(LongestNotebook))
        return fail(Describe(CsvProblem{0, CsvFault::TooLong, {}}));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(Describe(FileFault::Unreadable));
    const QByteArray bytes = file.read(static_cast<qint64>(LongestNotebook) + 1);
    if (file.error() != QFileDevice::NoError) return fail(Describe(FileFault::Unreadable));
    const auto parsed = FromCsv(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* bad = std::get_if<CsvProblem>(&parsed)) return fail(Describe(*bad));
    return std::get<std::vector<Data::NotebookRow>>(parsed);
}

Opened Open(const QString& path) {
    Opened opened;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return opened;
    if (auto rows = Read(path, &opened.Problem)) {
        opened.What = Opened::Outcome::Read;
        opened.Rows = std::move(*rows);
        // Marks that cannot be read leave the rows without them; they name rows, and a row that
        // does not exist is passed over.
        QFile marks(MarksPathFor(path));
        if (marks.open(QIODevice::ReadOnly))
            opened.Marks = marks.read(static_cast<qint64>(LongestNotebook)).trimmed().toStdString();
        return opened;
    }
    // Set aside under a name of its own beside it, so that nothing is overwritten.
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    const QString base = info.dir().filePath(info.completeBaseName() + ".damaged-" + stamp);
    QString aside = base + ".csv";
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = base + "-" + QString::number(n) + ".csv";
    if (QFile::rename(path, aside)) {
        opened.What = Opened::Outcome::SetAside;
        opened.AsidePath = aside;
        // The marks go with their rows, so that the new notebook's marks name none of them.
        if (QFileInfo::exists(MarksPathFor(path)))
            QFile::rename(MarksPathFor(path), MarksPathFor(aside));
    } else {
        opened.What = Opened::Outcome::Unreadable;
    }
    return opened;
}

QString MarksPathFor(const QString& path) {
    const QString stem = path.endsWith(NotebookEnding) ? path.chopped(NotebookEnding.size()) : path;
    return stem + MarksEnding;
}

bool WriteMarks(const QString& path, const std::string& marks, QString* error) {
    const QString marksPath = MarksPathFor(path);
    if (marks.empty()) {
        QFile old(marksPath);
        if (!old.exists() || old.remove()) return true;
        *error = old.errorString();
        return false;
    }
    return WriteInOneStep(marksPath, marks + "\r\n", error);
}

bool Write(const QString& path, const std::vector<Data::NotebookRow>& rows, QString* error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QString("the folder %1 cannot be made").arg(QFileInfo(path).absolutePath());
        return false;
    }
    return WriteInOneStep(path, ToCsv(rows), error);
}

} // namespace Notebook
