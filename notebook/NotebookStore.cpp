#include "notebook/NotebookStore.h"

#include <QDir>

NotebookStore::NotebookStore(QObject* parent) : QObject(parent) {}

Notebook::Opened NotebookStore::OpenFor(const QString& identifier) {
    path_ = QDir(Notebook::Folder()).filePath(Notebook::FileNameFor(identifier));
    Notebook::Opened opened = Notebook::Open(path_);
    writeProblemReported_ = false;
    // A notebook that could neither be read nor moved aside is left alone for good.
    writable_ = opened.What != Notebook::Opened::Outcome::Unreadable;
    if (opened.What == Notebook::Opened::Outcome::SetAside ||
        opened.What == Notebook::Opened::Outcome::Unreadable)
        emit OpenProblem(path_, opened.AsidePath, opened.Problem);
    return opened;
}

void NotebookStore::Keep(const std::vector<Data::NotebookRow>& rows, const std::string& marks) {
    if (path_.isEmpty() || !writable_) return;
    QString problem;
    // The marks are written only with the rows they name.
    if (Notebook::Write(path_, rows, &problem) && Notebook::WriteMarks(path_, marks, &problem))
        return;
    if (writeProblemReported_) return;
    writeProblemReported_ = true;
    emit WriteProblem(path_, problem);
}
