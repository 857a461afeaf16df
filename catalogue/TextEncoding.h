#pragma once
// Catalogue texts to UTF-8: a catalogue may be saved as UTF-8 or in the Hungarian 8-bit code page
// (Windows-1250), and nothing in the file says which.

#include <cstddef>
#include <string>
#include <string_view>

namespace Data {

/// Length of the longest prefix of `bytes` that is well-formed UTF-8 (no overlong forms, no
/// surrogates, nothing beyond U+10FFFF).
std::size_t ValidUtf8PrefixLength(std::string_view bytes);

/// True when all of `bytes` is well-formed UTF-8.
inline bool IsValidUtf8(std::string_view bytes) {
    return ValidUtf8PrefixLength(bytes) == bytes.size();
}

/// Windows-1250 bytes as UTF-8; the five unassigned bytes become U+FFFD.
std::string Windows1250ToUtf8(std::string_view bytes);

/// The first `limit` bytes of a catalogue value as UTF-8: well-formed UTF-8 stays as it is, any
/// other text is read as Windows-1250. `bytes` may hold up to three bytes beyond the limit, so
/// that a UTF-8 character split by the cut is recognised and dropped whole.
std::string CatalogueTextToUtf8(std::string_view bytes, std::size_t limit);

} // namespace Data
