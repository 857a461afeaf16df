// File and folder look-ups that never throw: an unreadable entry is simply not there.
#include "catalogue/FolderEntries.h"

#include "catalogue/AsciiCase.h"
#include "catalogue/TextCatalogue.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace Data {

namespace {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == PathDelim) return folder + name;
    return folder + PathDelim + name;
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// Calls visit(entry) for each entry of folder; stops quietly at the first error.
template <typename Visit> void ForEachEntry(const std::string& folder, Visit visit) {
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder),
                              fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error))
        visit(*it);
}

} // namespace

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
    if (name.empty()) return {};
    const std::string exact = JoinPath(folder, name);
    if (IsFile(exact)) return exact;
    std::string best;
    ForEachEntry(folder, [&](const fs::directory_entry& entry) {
        std::string candidate = entry.path().filename().string();
        if (!EqualIgnoringAsciiCase(candidate, name)) return;
        if (!best.empty() && best <= candidate) return;
        std::error_code error;
        if (entry.is_regular_file(error)) best = std::move(candidate);
    });
    return best.empty() ? std::string() : JoinPath(folder, best);
}

std::vector<std::string> LanguageFolders(const std::string& folder) {
    std::vector<std::string> names;
    ForEachEntry(folder, [&](const fs::directory_entry& entry) {
        std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.') return;
        // Follows symbolic links; a broken link or a link loop reads as no folder.
        std::error_code error;
        if (entry.is_directory(error)) names.push_back(std::move(name));
    });
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return LessIgnoringAsciiCase(a, b);
    });
    return names;
}

} // namespace Data
