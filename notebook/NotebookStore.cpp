#include "notebook/NotebookStore.h"

#include "notebook/NotebookFile.h"

#include <QDir>
#include <algorithm>

NotebookStore::NotebookStore(QObject* parent) : QObject(parent) {}

void NotebookStore::OpenFor(const QString& identifier) {
    path_ = QDir(Notebook::Folder()).filePath(Notebook::FileNameFor(identifier));
    Notebook::Opened opened = Notebook::Open(path_);
    rows_ = std::move(opened.Rows);
    writeProblemReported_ = false;
    // A notebook that could neither be read nor moved aside is left alone for good.
    writable_ = opened.What != Notebook::Opened::Outcome::Unreadable;
    Data::RecomputeNotebook(rows_, calculations_);
    if (opened.What == Notebook::Opened::Outcome::SetAside ||
        opened.What == Notebook::Opened::Outcome::Unreadable)
        emit OpenProblem(path_, opened.AsidePath, opened.Problem);
    emit Changed();
}

void NotebookStore::Append(const Data::NotebookRow& row) {
    rows_.push_back(row);
    Commit();
}

void NotebookStore::Edit(int index, const Data::NotebookRow& row) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return;
    rows_[static_cast<std::size_t>(index)] = row;
    Commit();
}

void NotebookStore::Remove(int first, int count) {
    const int size = static_cast<int>(rows_.size());
    if (first < 0 || count <= 0 || first >= size) return;
    const int last = std::min(first + count, size);
    rows_.erase(rows_.begin() + first, rows_.begin() + last);
    Commit();
}

void NotebookStore::SetCalculations(bool on) {
    if (calculations_ == on) return;
    calculations_ = on;
    Data::RecomputeNotebook(rows_, calculations_);
    emit Changed();
}

void NotebookStore::Commit() {
    Data::RecomputeNotebook(rows_, calculations_);
    QString problem;
    if (!path_.isEmpty() && writable_ && !Notebook::Write(path_, rows_, &problem) &&
        !writeProblemReported_) {
        writeProblemReported_ = true;
        emit WriteProblem(path_, problem);
    }
    emit Changed();
}
