// The program folder's files, the catalogue and its texts, and the stored pictures.
#include "assets/Pictures.h"
#include "catalogue/FolderEntries.h"
#include "catalogue/ProgramFolder.h"
#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "web/core/api/Api.h"
#include "web/core/api/Run.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

/// The program folder in the module's own file system, where the page puts the catalogues.
constexpr const char* ProgramFolder = "/tessilar/";
/// What separates the values of a text's places when the page sends them.
constexpr char PlaceSeparator = '\x1f';
char DecimalSeparator = '.';
std::string TextReturned, FilledReturned, TitleReturned, FoldersReturned, FolderReturned;

const Pictures::Picture& PictureOf(int which) {
    return which == 1 ? Pictures::Thermometer() : Pictures::MicroscopeField();
}

/// The picture's pixels as the canvas takes them: bytes R, G, B, A.
std::vector<std::uint8_t> RgbaOf(const Pictures::Picture& picture) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(picture.Pixels.size() * 4);
    for (const std::uint32_t argb : picture.Pixels) {
        bytes.push_back(static_cast<std::uint8_t>(argb >> 16));
        bytes.push_back(static_cast<std::uint8_t>(argb >> 8));
        bytes.push_back(static_cast<std::uint8_t>(argb));
        bytes.push_back(static_cast<std::uint8_t>(argb >> 24));
    }
    return bytes;
}

/// Catalogue text n with its places filled by the values of `places`.
std::string Filled(int n, std::string_view places) {
    std::vector<std::string_view> values;
    if (places.empty()) return Data::GetText(n);
    while (true) {
        const std::size_t end = places.find(PlaceSeparator);
        values.push_back(places.substr(0, end));
        if (end == std::string_view::npos) break;
        places.remove_prefix(end + 1);
    }
    return Data::FillPlaces(Data::GetText(n), values);
}

} // namespace

extern "C" {

void tess_start(int decimalSeparator) {
    DecimalSeparator = decimalSeparator == ',' ? ',' : '.';
    Data::EnsureProgramFolder();
    Data::ExeDir = ProgramFolder;
    Data::StartProgram(DecimalSeparator);
}

int tess_put_file(const char* relativePath, const std::uint8_t* bytes, int size) {
    if (!relativePath || size < 0 || (size > 0 && !bytes)) return 0;
    const std::filesystem::path path = std::filesystem::path(ProgramFolder) / relativePath;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes), size);
    return file.good() ? 1 : 0;
}

void tess_choose_language(const char* folder) {
    // "" is the program folder's own catalogue, also after a language folder was chosen.
    if (!folder || *folder == '\0') Data::LangDir.clear();
    Data::ChooseLanguage(folder ? folder : "");
}

const char* tess_language_folders() {
    std::string lines;
    for (const std::string& name : Data::LanguageFolders(ProgramFolder))
        lines += name + "\n";
    return WebRun::Returned(FoldersReturned, lines);
}

const char* tess_language_folder() {
    const std::string& dir = Data::LangDir;
    return WebRun::Returned(FolderReturned, dir.empty() ? dir : dir.substr(dir.rfind('/') + 1));
}

const char* tess_text(int n) {
    return WebRun::Returned(TextReturned, Data::GetText(n));
}

const char* tess_text_filled(int n, const char* places) {
    return WebRun::Returned(FilledReturned, Filled(n, places ? places : ""));
}

const char* tess_title(int n, const char* identifier) {
    return WebRun::Returned(TitleReturned,
                            Data::TitleWithIdentifier(n, identifier ? identifier : ""));
}

int tess_picture_width(int which) {
    return PictureOf(which).Width;
}

int tess_picture_height(int which) {
    return PictureOf(which).Height;
}

const std::uint8_t* tess_picture_rgba(int which) {
    static const std::vector<std::uint8_t> field = RgbaOf(Pictures::MicroscopeField());
    static const std::vector<std::uint8_t> thermometer = RgbaOf(Pictures::Thermometer());
    return which == 1 ? thermometer.data() : field.data();
}

int tess_begin_run(double nowMs, std::uint32_t seedHigh, std::uint32_t seedLow) {
    return WebRun::Begin(nowMs, (static_cast<std::uint64_t>(seedHigh) << 32) | seedLow,
                         DecimalSeparator);
}

} // extern "C"
