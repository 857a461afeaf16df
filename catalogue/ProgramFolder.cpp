// ExeDir and LangDir, and finding the running program's folder.
#include "catalogue/ProgramFolder.h"

#include "catalogue/ConstantInit.h"
#include "catalogue/TextCatalogue.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace Data {

// Constant-initialised where the compiler allows it (ConstantInit.h), so they are valid empty
// strings before any code of any translation unit runs; ExeDir is filled in during dynamic
// initialisation below, or by the first look-up that comes earlier.
TESSILAR_CONSTINIT_STRING std::string ExeDir;
TESSILAR_CONSTINIT_STRING std::string LangDir;

namespace {
constinit bool ProgramFolderKnown = false;

std::string RunningProgramFolder() {
    // The kernel's link to the running program file; resolving it also resolves any symbolic
    // link the program was started through.
    std::string folder = ProgramFolderOf("/proc/self/exe");
    if (!folder.empty()) return folder;
    std::error_code error;
    folder = fs::current_path(error).string();
    if (error || folder.empty()) return std::string(".") + PathDelim;
    if (folder.back() != PathDelim) folder += PathDelim;
    return folder;
}

[[maybe_unused]] const bool ProgramFolderAtStart = (EnsureProgramFolder(), true);
} // namespace

std::string ProgramFolderOf(const std::string& path) {
    std::error_code error;
    const fs::path file = fs::canonical(path, error);
    if (error) return {};
    std::string folder = file.parent_path().string();
    if (folder.empty() || folder.back() != PathDelim) folder += PathDelim;
    return folder;
}

void EnsureProgramFolder() {
    if (ProgramFolderKnown) return;
    ProgramFolderKnown = true;
    ExeDir = RunningProgramFolder();
}

} // namespace Data
