#pragma once
// Reading a written PDF back as its readers do: poppler's pdftotext and pdfinfo, and qpdf's check
// where it is installed.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace PdfText {

/// A PDF written to a file of its own for the tools, removed afterwards. The process number and a
/// count make the name unique, as tests run side by side in several processes.
class File {
public:
    File(const std::string& bytes, const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("tessilar-" + name + "-" + std::to_string(getpid()) + "-" +
                 std::to_string(Count()++) + ".pdf")) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~File() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    static int& Count() {
        static int count = 0;
        return count;
    }
    std::filesystem::path path_;
};

/// What a command prints, and whether it exited with 0.
inline std::string Run(const std::string& command, bool* succeeded = nullptr) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    if (succeeded) *succeeded = status == 0;
    return out;
}

} // namespace PdfText
