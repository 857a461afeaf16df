#include "notebook/NotebookCsv.h"

#include "catalogue/TextEncoding.h"
#include "model/DecimalText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace Notebook {

namespace {

/// A text cell as RFC 4180 writes it: quoted, with its quotes doubled, when it holds a comma, a
/// quote, a line end or a blank at either end.
std::string Cell(const std::string& text) {
    const bool plain = text.find_first_of(",\"\r\n") == std::string::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain) return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string Fixed(const std::optional<double>& value, int decimals) {
    if (!value || !std::isfinite(*value)) return {};
    std::string text = Data::FixedDecimals(*value, decimals);
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-')
        text.erase(0, 1); // "-0.00" reads better as "0.00"
    return text;
}

std::string Whole(const std::optional<int>& value) {
    return value ? std::to_string(*value) : std::string();
}

/// The fields of one record, quotes removed; `next` moves past the record's line end.
std::optional<std::vector<std::string>> ReadRecord(std::string_view text, std::size_t& next) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    std::size_t i = next;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++i;
            break;
        } else {
            fields.back() += c;
        }
    }
    next = i;
    if (quoted) return std::nullopt; // a quote never closed
    return fields;
}

template <class T> std::optional<T> Number(std::string_view cell) {
    if constexpr (std::is_floating_point_v<T>) {
        return Data::ReadDecimal(cell); // finite numbers only
    } else {
        T value{};
        const auto result = std::from_chars(cell.data(), cell.data() + cell.size(), value);
        if (result.ec != std::errc() || result.ptr != cell.data() + cell.size())
            return std::nullopt;
        return value;
    }
}

/// A cell as a message quotes it: long ones cut short on a character boundary.
std::string Quoted(const std::string& cell) {
    constexpr std::size_t Longest = 40;
    if (cell.size() <= Longest) return "\"" + cell + "\"";
    const std::string_view head(cell.data(), Longest);
    return "\"" + std::string(head.substr(0, Data::ValidUtf8PrefixLength(head))) + "...\"";
}

/// The line (from 1) on which byte `offset` of `text` stands.
int LineOf(std::string_view text, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    return line;
}

/// An optional number cell: empty is unknown, anything else must be a number.
template <class T> bool ReadCell(std::string_view cell, std::optional<T>& into) {
    if (cell.empty()) return true;
    into = Number<T>(cell);
    return into.has_value();
}

} // namespace

std::string ToCsv(const std::vector<Data::NotebookRow>& rows) {
    std::string csv(CsvHeader);
    csv += "\r\n";
    for (const Data::NotebookRow& row : rows) {
        const std::array<std::string, CsvColumns> cells = {
            Whole(row.Droplet),
            Whole(row.Ticks),
            Fixed(Data::Distance(row), 0),
            Fixed(row.Time, 1),
            std::string(Data::DirectionName(row.Direction)),
            Fixed(row.Voltage, 0),
            Fixed(row.Celsius, 2),
            Fixed(row.Speed, 2),
            Fixed(row.Radius, 4),
            Fixed(row.Charge, 3),
            Cell(row.Student.value_or("")),
            Whole(row.Spray),
            Whole(row.Bursts),
            Fixed(row.Pressure, 2),
        };
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) csv += ',';
            csv += cells[i]; // only the student's cell may hold a comma or a quote: it is quoted
        }
        csv += "\r\n";
    }
    return csv;
}

std::variant<std::vector<Data::NotebookRow>, CsvProblem> FromCsv(std::string_view text) {
    if (text.size() > LongestNotebook) return CsvProblem{0, CsvFault::TooLong, {}};
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (text.substr(0, Bom.size()) == Bom) text.remove_prefix(Bom.size());
    if (const std::size_t valid = Data::ValidUtf8PrefixLength(text); valid != text.size())
        return CsvProblem{LineOf(text, valid), CsvFault::NotUtf8, {}};
    std::size_t next = 0;
    const auto header = ReadRecord(text, next);
    if (!header || text.empty()) return CsvProblem{1, CsvFault::NoHeader, {}};
    std::string joined;
    for (std::size_t i = 0; i < header->size(); ++i)
        joined += (i ? "," : "") + (*header)[i];
    // A notebook of the first kind has the first ten columns alone.
    if (joined != CsvHeader && joined != FirstCsvHeader)
        return CsvProblem{1, CsvFault::WrongHeader, std::string(CsvHeader)};
    const std::size_t columns = header->size();

    std::vector<Data::NotebookRow> rows;
    for (int line = 2; next < text.size(); ++line) {
        const auto fields = ReadRecord(text, next);
        if (!fields) return CsvProblem{line, CsvFault::OpenQuote, {}};
        if (fields->size() == 1 && fields->front().empty()) continue; // a blank line
        if (fields->size() != columns)
            return CsvProblem{line, CsvFault::CellCount, std::to_string(fields->size()), columns};
        const auto& f = *fields;
        Data::NotebookRow row;
        const auto direction = Data::DirectionNamed(f[4]);
        if (!ReadCell(f[0], row.Droplet) ||
            (row.Droplet && (*row.Droplet < 1 || *row.Droplet > Data::LargestDropletNumber)))
            return CsvProblem{line, CsvFault::BadDroplet, Quoted(f[0])};
        // The limits the notebook's table holds a row to, so that a file holds no row the table
        // would refuse.
        if (!ReadCell(f[1], row.Ticks) ||
            (row.Ticks && (*row.Ticks < 0 || *row.Ticks > Data::LargestTicks)))
            return CsvProblem{line, CsvFault::BadTicks, Quoted(f[1])};
        if (!ReadCell(f[3], row.Time) || (row.Time && *row.Time < 0))
            return CsvProblem{line, CsvFault::BadTime, Quoted(f[3])};
        if (!direction) return CsvProblem{line, CsvFault::BadDirection, Quoted(f[4])};
        row.Direction = *direction;
        if (!ReadCell(f[5], row.Voltage))
            return CsvProblem{line, CsvFault::BadVoltage, Quoted(f[5])};
        if (!ReadCell(f[6], row.Celsius))
            return CsvProblem{line, CsvFault::BadTemperature, Quoted(f[6])};
        if (columns == CsvColumns) {
            if (!f[10].empty()) row.Student = f[10];
            if (!ReadCell(f[11], row.Spray) ||
                (row.Spray && (*row.Spray < 1 || *row.Spray > Data::LargestSpray)))
                return CsvProblem{line, CsvFault::BadSpray, Quoted(f[11])};
            if (!ReadCell(f[12], row.Bursts) ||
                (row.Bursts && (*row.Bursts < 0 || *row.Bursts > Data::LargestBursts)))
                return CsvProblem{line, CsvFault::BadBursts, Quoted(f[12])};
            if (!ReadCell(f[13], row.Pressure) ||
                (row.Pressure &&
                 (*row.Pressure < Data::LowestPressure || *row.Pressure > Data::HighestPressure)))
                return CsvProblem{line, CsvFault::BadPressure, Quoted(f[13])};
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace Notebook
