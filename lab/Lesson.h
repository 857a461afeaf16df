#pragma once
// The teacher's settings of a lesson, and the forms they travel in: the page's address, a block
// inside a copy of the page, the program folder's Tessilar.ini and a SCORM 1.2 package. One set
// of rules for both editions: what each form holds, how it is read back key by key, and what a
// student's notebook has done of the lesson.

#include "model/Notebook.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Lab {

/// The settings a teacher gives; each is either given or left at its default.
struct LessonSettings {
    std::optional<std::string> Language; ///< "hu", "en", "de", "fr" or "es"
    std::optional<bool> Calculations;    ///< radius, charge and the estimate worked out
    std::optional<bool> Brownian;
    std::optional<bool> RealAir;
    std::optional<std::string> ClassCode;
    std::optional<int> Droplets; ///< how many droplets a student is asked to time

    bool operator==(const LessonSettings&) const = default;
};

/// The droplets a student is asked to time unless the teacher says otherwise, and the range.
constexpr int DefaultDroplets = 8;
constexpr int MostDroplets = 100;
/// A settings text longer than this is no one's settings: it is read as none.
constexpr std::size_t LongestSettingsText = 4096;

/// A language a lesson can be given in: its code in the address, its catalogue's folder beside
/// the program ("" for the program folder's own) and its name in itself.
struct LessonLanguage {
    const char* Code;
    const char* Folder;
    const char* Name;
};
std::span<const LessonLanguage> LessonLanguages();
/// The language's default: the program folder's own catalogue.
constexpr const char* DefaultLanguage = "hu";

/// Where a settings text comes from: the address, or a block inside the page. A class code the
/// address gives is passed on even when it cannot be used (the student is then told); the page's
/// block, which nobody reads aloud, drops it like any other bad value.
enum class SettingsSource { Address, Page };

/// Reads "lang=en&calculations=0&..." (a leading "?" allowed) over `base`: each known key with a
/// good value replaces the base's; unknown keys, bad or overlong values are passed over and named
/// in `ignored` when given.
LessonSettings ReadSettings(std::string_view text, SettingsSource source,
                            const LessonSettings& base = {},
                            std::vector<std::string>* ignored = nullptr);

/// The settings as an address's query without its "?": the given ones only, in a fixed order,
/// every character but letters, digits and "-._~" percent-encoded.
std::string SettingsQuery(const LessonSettings& settings);

/// The page's place for the settings: an element whose text is a settings query.
constexpr std::string_view SettingsBlockStart =
    R"(<script id="tessilar-settings" type="text/plain">)";
constexpr std::string_view SettingsBlockEnd = "</script>";

/// The settings query inside a page's text, "" when the page has none.
std::string SettingsOfPage(std::string_view page);
/// The page with these settings in its block; nothing when the page has no block.
std::optional<std::string> PageWithSettings(std::string_view page, const LessonSettings& settings);

/// The lines of the program folder's Tessilar.ini that give these settings on the desktop.
std::string IniLines(const LessonSettings& settings);
/// The settings the program folder's catalogue gives (the keys IniLines writes).
LessonSettings SettingsOfProgramFolder();
/// Chooses the language folder the program folder's settings name, if any, so that the windows
/// and the reports written without them speak the teacher's language alike.
void ChooseLanguageOfProgramFolder();

/// The settings in force, said in the catalogue's language, one per line ("" with none given):
/// what the About box and the teacher's dialog show.
std::string DescribeSettings(const LessonSettings& settings);

/// What a student's notebook has done of the lesson.
struct LessonProgress {
    int Asked = DefaultDroplets;
    int Timed = 0; ///< different droplets with a worked-out charge
    int Score = 0; ///< 0 to 100: the share of the asked droplets timed
    bool Completed = false;
};
LessonProgress ProgressOf(const std::vector<Data::NotebookRow>& rows, int asked);
/// "Droplets timed: 3 of 8", in the catalogue's language.
std::string ProgressSentence(const LessonProgress& progress);
/// The folder of a language's catalogue beside the program ("" for the program folder's own), or
/// nothing for a code no lesson has.
std::optional<std::string> LanguageFolderOf(std::string_view code);

/// imsmanifest.xml of the SCORM 1.2 package: one organisation, one SCO whose launch file is the
/// page, titled with the program's name and purpose in the catalogue's language.
std::string ScormManifest();
/// The package's file names.
constexpr const char* ScormManifestName = "imsmanifest.xml";
constexpr const char* ScormPageName = "tessilar.html";

} // namespace Lab
