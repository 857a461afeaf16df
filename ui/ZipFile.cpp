#include "ui/ZipFile.h"

#include <QFile>
#include <zip.h>

namespace {
QString ErrorOf(zip_t* archive) {
    return QString::fromUtf8(zip_strerror(archive));
}
} // namespace

bool WriteZip(const QString& path, const std::vector<std::pair<std::string, std::string>>& files,
              QString* problem) {
    int error = 0;
    const QByteArray name = QFile::encodeName(path);
    // libzip writes into a temporary file beside the archive and renames it when it closes.
    zip_t* archive = zip_open(name.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_error_t why;
        zip_error_init_with_code(&why, error);
        if (problem) *problem = QString::fromUtf8(zip_error_strerror(&why));
        zip_error_fini(&why);
        return false;
    }
    for (const auto& [entry, contents] : files) {
        zip_source_t* source = zip_source_buffer(archive, contents.data(), contents.size(), 0);
        if (!source || zip_file_add(archive, entry.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source) zip_source_free(source);
            if (problem) *problem = ErrorOf(archive);
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) < 0) {
        if (problem) *problem = ErrorOf(archive);
        zip_discard(archive);
        return false;
    }
    return true;
}
