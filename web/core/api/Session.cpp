// The session: the program folder's files, the catalogue, the run and what the page draws.
#include "assets/Pictures.h"
#include "catalogue/FolderEntries.h"
#include "catalogue/ProgramFolder.h"
#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "model/ViewGeometry.h"
#include "web/core/api/Api.h"
#include "web/core/api/RunState.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

/// The program folder in the module's own file system, where the page puts the catalogues.
constexpr const char* ProgramFolder = "/tessilar/";
char DecimalSeparator = '.';
std::string TextReturned;
std::string TitleReturned;
std::string FoldersReturned;
std::string FolderReturned;
std::array<std::int32_t, 4> Needle{};

const char* Returned(std::string& buffer, std::string text) {
    buffer = std::move(text);
    return buffer.c_str();
}

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
    return Returned(FoldersReturned, lines);
}

const char* tess_language_folder() {
    const std::string& dir = Data::LangDir;
    return Returned(FolderReturned, dir.empty() ? dir : dir.substr(dir.rfind('/') + 1));
}

const char* tess_text(int n) {
    return Returned(TextReturned, Data::GetText(n));
}

const char* tess_text_with_number(int n, int value) {
    std::string text = Data::GetText(n);
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(value));
    return Returned(TextReturned, text);
}

const char* tess_title(const char* identifier) {
    return Returned(TitleReturned, Data::GetText(200) + "   /   " + (identifier ? identifier : ""));
}

void tess_begin_run(double nowMs, std::uint32_t seedHigh, std::uint32_t seedLow) {
    WebRun::ResetControls();
    WebRun::Begin(nowMs, (static_cast<std::uint64_t>(seedHigh) << 32) | seedLow, DecimalSeparator);
}

void tess_end_run() {
    WebRun::End();
}

int tess_run_until(double nowMs) {
    return WebRun::RunUntil(nowMs);
}

double tess_ticks_run() {
    return WebRun::TicksRun();
}

const std::int32_t* tess_markers() {
    return WebRun::Shown().Markers.data();
}

int tess_markers_in_view() {
    return WebRun::Shown().MarkersInView;
}

const std::int32_t* tess_needle() {
    const Data::PixelPoint pivot = Data::NeedlePivot(DialWidth, DialHeight);
    const Data::PixelPoint end = Data::NeedleEnd(Data::PlateVoltage, DialWidth, DialHeight);
    Needle = {pivot.X, pivot.Y, end.X, end.Y};
    return Needle.data();
}

int tess_lamp_on() {
    return Data::VoltageOn ? 1 : 0;
}

int tess_column_top() {
    return WebRun::Shown().ColumnTop;
}

int tess_column_bottom() {
    return Data::ThermometerColumnBottom;
}

const char* tess_stopwatch_text() {
    return WebRun::Shown().StopwatchText.c_str();
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

} // extern "C"
