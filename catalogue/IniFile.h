#pragma once
// Reading one value from an INI file the way the Windows private-profile reader does.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Data {

/// The value of `key` in `section` of the INI file at `path`, read afresh from the file, at most
/// `maxBytes` bytes; nothing when the file, the section or the key is missing.
///
/// Section and key names match without regard to ASCII letter case; blanks (spaces, tabs) around
/// names and values are dropped; the first matching section and the first matching key in it
/// count; one pair of matching enclosing quotes (" or ') around a value is removed; a NUL byte
/// ends a value. Lines end at CR, LF or CR LF; a UTF-8 byte-order mark is skipped; lines starting
/// with ';' or '#' and lines without '=' are ignored. The file is streamed, so any file size or
/// line length costs only a bounded amount of memory.
std::optional<std::string> ReadIniValue(const std::string& path, std::string_view section,
                                        std::string_view key, std::size_t maxBytes);

/// The same look-up in the text of an INI file held in memory (the browser edition has its
/// catalogues as texts, not files).
std::optional<std::string> FindIniValue(std::string_view text, std::string_view section,
                                        std::string_view key, std::size_t maxBytes);

} // namespace Data
