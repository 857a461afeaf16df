#pragma once
// A zip archive of a few files held in memory, written by libzip in one step: the archive is
// there whole or, when it cannot be written, not at all.

#include <QString>
#include <string>
#include <utility>
#include <vector>

/// Writes the files (name, contents) into a new zip archive at `path`, compressed; false with
/// `problem` set when it cannot.
bool WriteZip(const QString& path, const std::vector<std::pair<std::string, std::string>>& files,
              QString* problem);
