#include "lab/Lesson.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "lab/ClassCode.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <set>

namespace Lab {

namespace {

/// The address's names of the settings, in the order SettingsQuery writes them.
constexpr const char* LanguageKey = "lang";
constexpr const char* CalculationsKey = "calculations";
constexpr const char* BrownianKey = "brownian";
constexpr const char* RealAirKey = "realair";
constexpr const char* ClassKey = "class";
constexpr const char* DropletsKey = "droplets";

constexpr LessonLanguage Languages[] = {{"hu", "", "Magyar"},
                                        {"en", "English", "English"},
                                        {"de", "Deutsch", "Deutsch"},
                                        {"fr", "Français", "Français"},
                                        {"es", "Español", "Español"}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

/// A form-encoded value decoded: "+" is a space, "%41" an "A"; a broken escape gives nothing.
std::optional<std::string> Decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out.push_back(' ');
        } else if (text[i] == '%') {
            if (i + 2 >= text.size()) return std::nullopt;
            const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            out.push_back(static_cast<char>(high * 16 + low));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string Encoded(std::string_view text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '-' || c == '.' || c == '_' || c == '~') {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(Hex[u >> 4]);
            out.push_back(Hex[u & 15]);
        }
    }
    return out;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return std::string(text);
}

/// A switch: "1", "true", "on", "yes" are on; "0", "false", "off", "no" off; anything else none.
std::optional<bool> Switch(const std::string& value) {
    const std::string word = Lower(Trimmed(value));
    for (const char* on : {"1", "true", "on", "yes"})
        if (word == on) return true;
    for (const char* off : {"0", "false", "off", "no"})
        if (word == off) return false;
    return std::nullopt;
}

std::optional<int> DropletCount(const std::string& value) {
    const std::string digits = Trimmed(value);
    int n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    if (n < 1 || n > MostDroplets) return std::nullopt;
    return n;
}

/// Reads one key's value into the settings; false when the key is unknown or the value bad.
bool Take(LessonSettings& settings, const std::string& key, const std::string& value,
          SettingsSource source) {
    if (key == LanguageKey) {
        const std::string code = Lower(Trimmed(value));
        for (const LessonLanguage& language : Languages)
            if (code == language.Code) {
                settings.Language = code;
                return true;
            }
        return false;
    }
    if (key == ClassKey) {
        if (source == SettingsSource::Page && ClassCodeFaultOf(value)) return false;
        if (value.size() > LongestSettingsText / 4) return false;
        settings.ClassCode = value;
        return true;
    }
    if (key == DropletsKey) {
        const auto n = DropletCount(value);
        if (n) settings.Droplets = n;
        return n.has_value();
    }
    std::optional<bool>* flag = key == CalculationsKey ? &settings.Calculations
                                : key == BrownianKey   ? &settings.Brownian
                                : key == RealAirKey    ? &settings.RealAir
                                                       : nullptr;
    if (!flag) return false;
    const auto on = Switch(value);
    if (on) *flag = on;
    return on.has_value();
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

} // namespace

std::span<const LessonLanguage> LessonLanguages() {
    return Languages;
}

LessonSettings ReadSettings(std::string_view text, SettingsSource source,
                            const LessonSettings& base, std::vector<std::string>* ignored) {
    LessonSettings settings = base;
    if (text.size() > LongestSettingsText) {
        if (ignored) ignored->emplace_back(text.substr(0, 16));
        return settings;
    }
    if (!text.empty() && text.front() == '?') text.remove_prefix(1);
    // A key given twice counts once, as the first of them, as a page's address reads it.
    std::set<std::string> taken;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('&'), text.size());
        const std::string_view pair = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        const auto key = Decoded(pair.substr(0, equals));
        const auto value = Decoded(equals == std::string_view::npos ? std::string_view()
                                                                    : pair.substr(equals + 1));
        const std::string name = key ? Lower(*key) : std::string();
        if (key && value && taken.count(name)) continue;
        if (!key || !value || !Take(settings, name, *value, source)) {
            if (ignored) ignored->emplace_back(pair);
            continue;
        }
        taken.insert(name);
    }
    return settings;
}

std::string SettingsQuery(const LessonSettings& s) {
    std::string query;
    const auto add = [&query](const char* key, const std::string& value) {
        query += (query.empty() ? "" : "&") + std::string(key) + "=" + Encoded(value);
    };
    if (s.Language) add(LanguageKey, *s.Language);
    if (s.Calculations) add(CalculationsKey, *s.Calculations ? "1" : "0");
    if (s.Brownian) add(BrownianKey, *s.Brownian ? "1" : "0");
    if (s.RealAir) add(RealAirKey, *s.RealAir ? "1" : "0");
    if (s.ClassCode) add(ClassKey, *s.ClassCode);
    if (s.Droplets) add(DropletsKey, std::to_string(*s.Droplets));
    return query;
}

std::string SettingsOfPage(std::string_view page) {
    const std::size_t start = page.find(SettingsBlockStart);
    if (start == std::string_view::npos) return {};
    const std::size_t from = start + SettingsBlockStart.size();
    const std::size_t end = page.find(SettingsBlockEnd, from);
    if (end == std::string_view::npos) return {};
    return std::string(page.substr(from, end - from));
}

std::optional<std::string> PageWithSettings(std::string_view page, const LessonSettings& settings) {
    const std::size_t start = page.find(SettingsBlockStart);
    if (start == std::string_view::npos) return std::nullopt;
    const std::size_t from = start + SettingsBlockStart.size();
    const std::size_t end = page.find(SettingsBlockEnd, from);
    if (end == std::string_view::npos) return std::nullopt;
    // The query is percent-encoded: it can hold no "<" to end the element early.
    return std::string(page.substr(0, from)) + SettingsQuery(settings) +
           std::string(page.substr(end));
}

std::string IniLines(const LessonSettings& s) {
    std::string settings, notebook, assessment;
    if (s.Language)
        for (const LessonLanguage& language : Languages)
            if (*s.Language == language.Code && *language.Folder)
                settings += "Language=" + std::string(language.Folder) + "\n";
    if (s.Brownian) settings += std::string("BrownianMotion=") + (*s.Brownian ? "1" : "0") + "\n";
    if (s.RealAir) settings += std::string("RealAir=") + (*s.RealAir ? "1" : "0") + "\n";
    if (s.Droplets) settings += "Droplets=" + std::to_string(*s.Droplets) + "\n";
    if (s.Calculations)
        notebook += std::string("Calculations=") + (*s.Calculations ? "1" : "0") + "\n";
    if (s.ClassCode) assessment += "ClassCode=" + *s.ClassCode + "\n";
    std::string lines;
    for (const auto& [section, body] :
         {std::pair{"Settings", &settings}, std::pair{"Notebook", &notebook},
          std::pair{"Assessment", &assessment}})
        if (!body->empty()) lines += "[" + std::string(section) + "]\n" + *body;
    return lines;
}

LessonSettings SettingsOfProgramFolder() {
    LessonSettings s;
    if (const auto folder = Data::ProgramSetting("Settings", "Language"))
        for (const LessonLanguage& language : Languages)
            if (Lower(*folder) == Lower(language.Folder) && *language.Folder)
                s.Language = language.Code;
    const auto flag = [](const char* section, const char* key) -> std::optional<bool> {
        const auto value = Data::ProgramSetting(section, key);
        if (!value) return std::nullopt;
        if (*value == "1") return true;
        if (*value == "0") return false;
        return std::nullopt;
    };
    s.Brownian = flag("Settings", "BrownianMotion");
    s.RealAir = flag("Settings", "RealAir");
    s.Calculations = flag("Notebook", "Calculations");
    if (const auto code = Data::ProgramSetting("Assessment", "ClassCode")) s.ClassCode = *code;
    if (const auto droplets = Data::ProgramSetting("Settings", "Droplets"))
        s.Droplets = DropletCount(*droplets);
    return s;
}

void ChooseLanguageOfProgramFolder() {
    if (const auto code = SettingsOfProgramFolder().Language)
        if (const auto folder = LanguageFolderOf(*code); folder && !folder->empty())
            Data::ChooseLanguage(*folder);
}

std::string DescribeSettings(const LessonSettings& s) {
    std::vector<std::string> lines;
    if (s.Language) lines.push_back(Data::GetText(Texts::SettingLanguage, {*s.Language}));
    if (s.Calculations && !*s.Calculations)
        lines.push_back(Data::GetText(Texts::SettingNoCalculations));
    if (s.Brownian && *s.Brownian) lines.push_back(Data::GetText(Texts::SettingBrownian));
    if (s.RealAir && *s.RealAir) lines.push_back(Data::GetText(Texts::SettingRealAir));
    if (s.ClassCode) lines.push_back(Data::GetText(Texts::SettingClassCode, {*s.ClassCode}));
    if (s.Droplets)
        lines.push_back(Data::GetText(Texts::SettingDroplets, {std::to_string(*s.Droplets)}));
    if (lines.empty()) return {};
    std::string text = Data::GetText(Texts::SettingsInForce);
    for (const std::string& line : lines)
        text += "\n" + line;
    return text;
}

LessonProgress ProgressOf(const std::vector<Data::NotebookRow>& rows, int asked) {
    LessonProgress progress;
    progress.Asked = std::clamp(asked, 1, MostDroplets);
    // The charges count whether or not the notebook shows them to the student.
    std::vector<Data::NotebookRow> worked = rows;
    Data::RecomputeNotebook(worked, true);
    std::set<int> droplets;
    for (const Data::NotebookRow& row : worked)
        if (row.Droplet && row.Charge) droplets.insert(*row.Droplet);
    progress.Timed = static_cast<int>(droplets.size());
    progress.Completed = progress.Timed >= progress.Asked;
    progress.Score = std::min(100, progress.Timed * 100 / progress.Asked);
    return progress;
}

std::string ProgressSentence(const LessonProgress& progress) {
    return Data::GetText(Texts::LessonProgressText,
                         {std::to_string(progress.Timed), std::to_string(progress.Asked)});
}

std::optional<std::string> LanguageFolderOf(std::string_view code) {
    for (const LessonLanguage& language : Languages)
        if (code == language.Code) return std::string(language.Folder);
    return std::nullopt;
}

std::string ScormManifest() {
    const std::string name =
        Escaped(Data::GetText(Texts::AboutHeading) + " – " + Data::GetText(Texts::AboutLine2));
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<manifest identifier="tessilar-oil-drop" version="1.0"
          xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2"
          xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2"
          xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"
          xsi:schemaLocation="http://www.imsproject.org/xsd/imscp_rootv1p1p2 imscp_rootv1p1p2.xsd http://www.imsglobal.org/xsd/imsmd_rootv1p2p1 imsmd_rootv1p2p1.xsd http://www.adlnet.org/xsd/adlcp_rootv1p2 adlcp_rootv1p2.xsd">
  <metadata>
    <schema>ADL SCORM</schema>
    <schemaversion>1.2</schemaversion>
  </metadata>
  <organizations default="tessilar-organisation">
    <organization identifier="tessilar-organisation">
      <title>)" +
           name +
           R"(</title>
      <item identifier="tessilar-item" identifierref="tessilar-sco" isvisible="true">
        <title>)" +
           name + R"(</title>
      </item>
    </organization>
  </organizations>
  <resources>
    <resource identifier="tessilar-sco" type="webcontent" adlcp:scormtype="sco" href=")" +
           std::string(ScormPageName) + R"(">
      <file href=")" +
           std::string(ScormPageName) +
           R"("/>
    </resource>
  </resources>
</manifest>
)";
}

} // namespace Lab
