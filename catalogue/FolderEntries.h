#pragma once
// Finding the program's files and language folders on a file system whose names are case-blind
// to the program but may be case-sensitive to the system.

#include <string>
#include <vector>

namespace Data {

/// The path of the file `name` in `folder` (with or without a trailing separator): the exact name
/// when such a file exists, otherwise the first, in byte order, whose name differs only in ASCII
/// letter case ("tessilar.ini", "TESSILAR.INI"); empty when there is none. Folders do not count.
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);

/// Names of the folders in `folder` that can hold a language catalogue: entries that are folders
/// or symbolic links to folders, names starting with "." left out, sorted without regard to ASCII
/// letter case (then by bytes). Unreadable entries are skipped; never throws.
std::vector<std::string> LanguageFolders(const std::string& folder);

} // namespace Data
