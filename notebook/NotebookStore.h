#pragma once
// Keeps the notebook of the identifier at work in its file: opened once for the identifier, then
// written after every change, its burst marks beside it. When the file cannot be written the
// rows stay in the session and the next change tries again; the trouble is reported once.

#include "notebook/NotebookFile.h"

#include <QObject>
#include <QString>
#include <string>
#include <vector>

class NotebookStore : public QObject {
    Q_OBJECT

public:
    explicit NotebookStore(QObject* parent = nullptr);

    /// Opens the notebook kept for `identifier`: its rows and burst marks, none when there is no
    /// notebook yet or when it cannot be read (OpenProblem then says what became of it).
    Notebook::Opened OpenFor(const QString& identifier);
    /// The notebook's file; empty while none is open.
    QString Path() const { return path_; }
    /// Writes the rows and their marks to the notebook's file, unless it is one that could not be
    /// read and must be left alone.
    void Keep(const std::vector<Data::NotebookRow>& rows, const std::string& marks);

signals:
    /// The notebook file could not be read; it was set aside at `asidePath`, or (empty
    /// `asidePath`) left where it is and will not be written.
    void OpenProblem(const QString& path, const QString& asidePath, const QString& problem);
    /// The notebook could not be written; reported once per notebook.
    void WriteProblem(const QString& path, const QString& problem);

private:
    QString path_;
    bool writable_ = false;
    bool writeProblemReported_ = false;
};
