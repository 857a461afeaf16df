#pragma once
// Why a notebook cannot be read, in the catalogue's language: the words a student or a teacher
// sees in the window, in the browser and on the command line all come from here.

#include "notebook/NotebookCsv.h"

#include <string>

namespace Notebook {

/// What keeps a file or folder named as a notebook from being read at all.
enum class FileFault {
    Missing,     ///< there is no such file or folder
    NotAllowed,  ///< the user may not read it
    Unreadable,  ///< the system could not read it
    NoNotebooks, ///< a folder that holds no notebook files
};

/// The problem as the catalogue words it: "line 3: the time is not a number of seconds: "x"", or
/// without the line for a fault of the file as a whole.
std::string Describe(const CsvProblem& problem);

/// The fault as the catalogue words it.
std::string Describe(FileFault fault);

} // namespace Notebook
