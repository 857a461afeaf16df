#include "notebook/ClassNotebooks.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace Notebook {

namespace {
/// The store cuts a long identifier's name to this many bytes (a character boundary may take up
/// to three more off) and adds "~" and 8 hexadecimal digits of its hash.
constexpr std::size_t CutStem = 160;
constexpr std::size_t HashDigits = 8;
} // namespace

std::string IdentifierOf(std::string_view fileName) {
    std::string_view stem = fileName;
    if (const std::size_t dot = stem.rfind('.'); dot != std::string_view::npos && dot > 0)
        stem = stem.substr(0, dot);
    const std::size_t tilde = stem.size() >= HashDigits + 1 ? stem.size() - HashDigits - 1 : 0;
    const bool hashed =
        stem.size() > HashDigits && stem[tilde] == '~' && tilde + 3 >= CutStem &&
        tilde <= CutStem &&
        std::all_of(stem.begin() + static_cast<std::ptrdiff_t>(tilde) + 1, stem.end(),
                    [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
    return std::string(hashed ? stem.substr(0, tilde) : stem);
}

bool IsSetAside(std::string_view fileName) {
    static const std::regex setAside(R"(.*\.damaged-[0-9]{8}-[0-9]{6}(-[0-9]+)?\.csv)");
    return std::regex_match(fileName.begin(), fileName.end(), setAside);
}

Data::StudentNotebook StudentFrom(std::string_view fileName, std::vector<Data::NotebookRow> rows) {
    Data::RecomputeNotebook(rows, true);
    return {IdentifierOf(fileName), std::move(rows)};
}

std::variant<Data::StudentNotebook, CsvProblem> ReadStudent(std::string_view fileName,
                                                            std::string_view text) {
    auto parsed = FromCsv(text);
    if (auto* problem = std::get_if<CsvProblem>(&parsed)) return *problem;
    return StudentFrom(fileName, std::move(std::get<std::vector<Data::NotebookRow>>(parsed)));
}

} // namespace Notebook
