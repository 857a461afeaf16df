#pragma once
// The text catalogue beyond what Data.h declares: keys, limits and the language choice.

#include <cstddef>
#include <string>

namespace Data {

/// The catalogue's file name, in the program folder or in a language folder.
inline constexpr const char* CatalogueFileName = "Tessilar.ini";
/// The catalogue's only section.
inline constexpr const char* CatalogueSection = "General";
/// The longest catalogue text in bytes; longer values are cut.
constexpr std::size_t MaxTextBytes = 2047;

/// The key of text number n: "S" and the decimal form of n + 10000 without its first character
/// ("S0005" for 5, "S0401" for 401); defined for every int.
std::string CatalogueKey(int n);

/// The language dialog's OK: forgets the open catalogue; for a non-empty folder name, makes
/// ExeDir + name the language folder and opens its catalogue at once.
void ChooseLanguage(const std::string& name);

} // namespace Data
