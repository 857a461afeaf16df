#include "notebook/ClassNotebooks.h"

#include <algorithm>
#include <cctype>

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
    // NAME.damaged-YYYYMMDD-HHMMSS.csv, or with "-N" before ".csv" when that name was taken.
    constexpr std::string_view Extension = ".csv", Mark = ".damaged-";
    constexpr std::size_t Stamp = 8 + 1 + 6; // YYYYMMDD-HHMMSS
    const auto digits = [](std::string_view text) {
        return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
    };
    const auto endsWithStamp = [&](std::string_view text) {
        if (text.size() < Mark.size() + Stamp) return false;
        const std::string_view stamp = text.substr(text.size() - Stamp);
        return text.substr(text.size() - Stamp - Mark.size(), Mark.size()) == Mark &&
               digits(stamp.substr(0, 8)) && stamp[8] == '-' && digits(stamp.substr(9));
    };
    if (!fileName.ends_with(Extension)) return false;
    const std::string_view rest = fileName.substr(0, fileName.size() - Extension.size());
    if (endsWithStamp(rest)) return true;
    const auto dash = rest.rfind('-');
    return dash != std::string_view::npos && digits(rest.substr(dash + 1)) &&
           endsWithStamp(rest.substr(0, dash));
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
