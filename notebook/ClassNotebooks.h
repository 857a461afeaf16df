#pragma once
// A class's notebooks as the teacher collects them: each file named as the notebook store names
// it, the student's identifier taken from the name. Standard library only, so that every front
// end reads a class the same way.

#include "model/ClassResults.h"
#include "notebook/NotebookCsv.h"

#include <string>
#include <string_view>
#include <variant>

namespace Notebook {

/// The identifier a notebook file's name stands for: the name without its last extension
/// (".csv"), and without the "~" and hash the store adds to identifiers too long for a name.
std::string IdentifierOf(std::string_view fileName);

/// Whether a file name is that of a notebook the store set aside as damaged
/// ("anna.damaged-20261208-101500.csv"); a folder's such files are not the students' notebooks.
bool IsSetAside(std::string_view fileName);

/// The student's notebook from rows read from file `fileName`: the identifier from the name,
/// speeds, radii and charges worked out afresh from the student's own cells.
Data::StudentNotebook StudentFrom(std::string_view fileName, std::vector<Data::NotebookRow> rows);

/// The student's notebook from the text of file `fileName`, or why it cannot be read.
std::variant<Data::StudentNotebook, CsvProblem> ReadStudent(std::string_view fileName,
                                                            std::string_view text);

} // namespace Notebook
