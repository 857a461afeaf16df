// GetText and the open catalogue.
#include "catalogue/TextCatalogue.h"

#include "catalogue/ConstantInit.h"
#include "catalogue/FolderEntries.h"
#include "catalogue/IniFile.h"
#include "catalogue/ProgramFolder.h"
#include "catalogue/TextEncoding.h"

#include <optional>

namespace Data {

namespace {

// The open catalogue is a path, and every look-up reads the file as it is then; or, with
// InMemory, the text of a catalogue itself.
struct OpenCatalogue {
    bool IsOpen = false;
    bool InMemory = false;
    std::string Path = {};
    std::string Text = {};
};
TESSILAR_CONSTINIT_STRING OpenCatalogue Catalogue;

std::optional<std::string> FindText(std::string_view text, int n) {
    // Three bytes more than a text may hold, to see whether the cut splits a UTF-8 character.
    const std::optional<std::string> value =
        FindIniValue(text, CatalogueSection, CatalogueKey(n), MaxTextBytes + 3);
    if (!value) return std::nullopt;
    return CatalogueTextToUtf8(*value, MaxTextBytes);
}

std::optional<std::string> ReadText(const std::string& path, int n) {
    const std::size_t slash = path.rfind(PathDelim);
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string file = FindFileIgnoringCase(slash == 0 ? "/" : folder, name);
    if (file.empty()) return std::nullopt;
    // Three bytes more than a text may hold, to see whether the cut splits a UTF-8 character.
    const std::optional<std::string> value =
        ReadIniValue(file, CatalogueSection, CatalogueKey(n), MaxTextBytes + 3);
    if (!value) return std::nullopt;
    return CatalogueTextToUtf8(*value, MaxTextBytes);
}

} // namespace

std::string CatalogueKey(int n) {
    // 64 bits, so n + 10000 cannot overflow for any int.
    return "S" + std::to_string(static_cast<long long>(n) + 10000).substr(1);
}

std::string GetText(int n) {
    EnsureProgramFolder();
    if (!Catalogue.IsOpen) {
        std::string path = LangDir.empty() ? ExeDir : LangDir + PathDelim;
        OpenTextCatalogue(path + CatalogueFileName);
    }
    if (Catalogue.InMemory) return FindText(Catalogue.Text, n).value_or("None");
    return ReadText(Catalogue.Path, n).value_or("None");
}

void CloseTextCatalogue() {
    Catalogue = {};
}

void OpenTextCatalogue(const std::string& path) {
    Catalogue = {.IsOpen = true, .Path = path};
}

void OpenTextCatalogueText(std::string contents) {
    Catalogue = {.IsOpen = true, .InMemory = true, .Text = std::move(contents)};
}

std::optional<std::string> ProgramSetting(std::string_view section, std::string_view key) {
    EnsureProgramFolder();
    const std::string file = FindFileIgnoringCase(ExeDir, CatalogueFileName);
    if (file.empty()) return std::nullopt;
    return ReadIniValue(file, section, key, MaxTextBytes);
}

bool ProgramSwitch(std::string_view section, std::string_view key, bool otherwise) {
    const auto value = ProgramSetting(section, key);
    if (value == "1") return true;
    if (value == "0") return false;
    return otherwise;
}

void ChooseLanguage(const std::string& name) {
    EnsureProgramFolder();
    CloseTextCatalogue();
    if (name.empty()) return;
    LangDir = ExeDir + name;
    OpenTextCatalogue(LangDir + PathDelim + CatalogueFileName);
}

std::string GetText(int n, std::initializer_list<std::string_view> arguments) {
    return FillPlaces(GetText(n), arguments);
}

std::string FillPlaces(std::string_view pattern, std::span<const std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool place = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                           pattern[i + 1] <= '9';
        const std::size_t index = place ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (place && index < arguments.size()) {
            text += arguments[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string TitleWithIdentifier(int n, std::string_view identifier) {
    // Three blanks, a slash and three blanks.
    return GetText(n) + "   /   " + std::string(identifier);
}

} // namespace Data
