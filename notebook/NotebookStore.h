#pragma once
// The notebook of the identifier at work: its rows in memory, written to its file after every
// change. When the file cannot be written the rows stay in memory and the next change tries again;
// the trouble is reported once.

#include "model/Notebook.h"

#include <QObject>
#include <QString>
#include <vector>

class NotebookStore : public QObject {
    Q_OBJECT

public:
    explicit NotebookStore(QObject* parent = nullptr);

    /// Opens the notebook kept for `identifier`, or an empty one when there is none yet.
    void OpenFor(const QString& identifier);
    /// The notebook's file; empty while none is open.
    QString Path() const { return path_; }

    const std::vector<Data::NotebookRow>& Rows() const { return rows_; }
    /// Adds a timing at the end.
    void Append(const Data::NotebookRow& row);
    /// Replaces the student's cells of row `index` (droplet, ticks, time, direction, voltage,
    /// temperature); the worked-out cells follow.
    void Edit(int index, const Data::NotebookRow& row);
    /// Removes `count` rows from `first` on.
    void Remove(int first, int count);

    /// Whether radius and charge are worked out (a teacher may leave them to the students).
    bool Calculations() const { return calculations_; }
    void SetCalculations(bool on);

signals:
    /// The rows changed (and were written, when that was possible).
    void Changed();
    /// The notebook file could not be read; it was set aside at `asidePath`, or (empty
    /// `asidePath`) left where it is and will not be written.
    void OpenProblem(const QString& path, const QString& asidePath, const QString& problem);
    /// The notebook could not be written; reported once per notebook.
    void WriteProblem(const QString& path, const QString& problem);

private:
    void Commit();

    std::vector<Data::NotebookRow> rows_;
    QString path_;
    bool writable_ = false;
    bool writeProblemReported_ = false;
    bool calculations_ = true;
};
