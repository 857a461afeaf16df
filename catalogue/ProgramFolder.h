#pragma once
// The program folder: where the program file lies, found through any symbolic links to it.

#include <string>

namespace Data {

/// The folder of the file at `path`, symbolic links resolved, ending in PathDelim; empty when the
/// path cannot be resolved.
std::string ProgramFolderOf(const std::string& path);

/// Sets ExeDir from the running program the first time it is called; later calls do nothing, so
/// a value assigned to ExeDir since stays.
void EnsureProgramFolder();

} // namespace Data
