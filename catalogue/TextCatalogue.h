#pragma once
// The text catalogue: every text the windows show that can change with the language, looked up
// by number in an INI file in the program folder or in a chosen language folder.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace Data {

/// Catalogue text number n (UTF-8), or "None" when the catalogue, section or key is missing.
std::string GetText(int n);
/// Catalogue text number n with its places "%1" to "%9" filled by `arguments` in order, in one
/// pass, so an argument that holds "%2" stays as it is; a place with no argument stays too.
std::string GetText(int n, std::initializer_list<std::string_view> arguments);
/// `pattern` with its places "%1" to "%9" filled as GetText fills them.
std::string FillPlaces(std::string_view pattern, std::span<const std::string_view> arguments);
inline std::string FillPlaces(std::string_view pattern,
                              std::initializer_list<std::string_view> arguments) {
    return FillPlaces(pattern,
                      std::span<const std::string_view>(arguments.begin(), arguments.size()));
}
/// A window's title that names the identifier at work: catalogue text n, "   /   " and the
/// identifier as typed.
std::string TitleWithIdentifier(int n, std::string_view identifier);
extern std::string ExeDir;  ///< folder of the running program file, ending in the separator
extern std::string LangDir; ///< selected language folder, without trailing separator; or empty
/// Forgets the open catalogue; the next GetText opens it again from ExeDir or LangDir.
void CloseTextCatalogue();
/// Opens the catalogue at once on the given file path (name matched regardless of letter case).
void OpenTextCatalogue(const std::string& path);
/// Opens a catalogue held in memory: the text of a catalogue file, kept until the catalogue is
/// closed or another is opened. Where there are no files (the browser), this is the catalogue.
void OpenTextCatalogueText(std::string contents);
/// The folder separator of the platform.
constexpr char PathDelim = '/';

/// The catalogue's file name, in the program folder or in a language folder.
inline constexpr const char* CatalogueFileName = "Tessilar.ini";
/// The catalogue's only section.
inline constexpr const char* CatalogueSection = "General";
/// The longest catalogue text in bytes; longer values are cut.
constexpr std::size_t MaxTextBytes = 2047;

/// The key of text number n: "S" and the decimal form of n + 10000 without its first character
/// ("S0005" for 5, "S0401" for 401); defined for every int.
std::string CatalogueKey(int n);

/// A teacher's setting from the program folder's catalogue (not a language folder's): the
/// value of `key` in `section`, or nothing.
std::optional<std::string> ProgramSetting(std::string_view section, std::string_view key);
/// A teacher's on/off setting: "1" is on, "0" off; anything else, or none, gives `otherwise`.
bool ProgramSwitch(std::string_view section, std::string_view key, bool otherwise);

/// The language dialog's OK: forgets the open catalogue; for a non-empty folder name, makes
/// ExeDir + name the language folder and opens its catalogue at once.
void ChooseLanguage(const std::string& name);

} // namespace Data
