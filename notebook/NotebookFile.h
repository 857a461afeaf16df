#pragma once
// Where each identifier's notebook is kept, and reading and writing it without ever losing a row:
// a file that cannot be read is set aside, never overwritten, and every write replaces the old
// file in one step, so a crash or a power cut leaves the old notebook or the new one.

#include "model/Notebook.h"

#include <QString>
#include <string>
#include <vector>

namespace Notebook {

/// The folder of the notebooks: $XDG_DATA_HOME/tessilar/notebooks, or
/// ~/.local/share/tessilar/notebooks when the variable is unset.
QString Folder();

/// The notebook file's name for an identifier: the identifier with every character that cannot
/// stand in a file name ("/", "\", control characters, a leading ".") made "_", cut to a length
/// every file system takes, and ".csv"; "notebook.csv" for an empty identifier.
QString FileNameFor(const QString& identifier);

/// What opening a notebook found.
struct Opened {
    enum class Outcome {
        Fresh,     ///< no notebook yet: an empty one starts
        Read,      ///< the rows were read
        SetAside,  ///< it could not be read and was renamed to AsidePath; an empty one starts
        Unreadable ///< it could not be read or moved: it must not be written either
    };
    Outcome What = Outcome::Fresh;
    std::vector<Data::NotebookRow> Rows;
    /// The rows marked as after an ionising burst, "2,5" from 1 (kept beside the notebook, as its
    /// CSV does not hold them); empty for none.
    std::string Marks;
    QString AsidePath; ///< where a notebook that could not be read now is
    QString Problem;   ///< why it could not be read
};

/// Opens the notebook at `path` with its marks, setting a damaged one aside (its marks with it).
Opened Open(const QString& path);

/// Where the burst marks of the notebook at `path` are kept: beside it, ".bursts" for ".csv".
QString MarksPathFor(const QString& path);

/// Reads a notebook file without changing anything; the rows, or the problem in `problem`
/// in the catalogue's language ("line 3: …").
std::optional<std::vector<Data::NotebookRow>> Read(const QString& path, QString* problem);

/// Writes the rows to `path` in one step (creating its folder); false with the reason in `error`.
bool Write(const QString& path, const std::vector<Data::NotebookRow>& rows, QString* error);

/// Writes the burst marks of the notebook at `path` beside it in one step, or removes their file
/// when there are none; false with the reason in `error`.
bool WriteMarks(const QString& path, const std::string& marks, QString* error);

} // namespace Notebook
