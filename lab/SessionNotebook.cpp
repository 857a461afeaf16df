// The notebook of the session: recording timings, correcting and deleting rows, opening a
// notebook with its burst marks, and the teacher's calculations switch.
#include "lab/Lesson.h"
#include "lab/Session.h"
#include "lab/SpokenReadings.h"
#include "notebook/NotebookCsv.h"
#include "notebook/NotebookReasons.h"
#include "report/NotebookTexts.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <variant>

namespace Lab {

namespace {

/// The row numbers (from 1) a list such as "2,5" names; anything that is no such number is
/// passed over.
std::vector<std::size_t> MarkedRows(std::string_view marks) {
    std::vector<std::size_t> rows;
    while (!marks.empty()) {
        const std::size_t comma = marks.find(',');
        const std::string_view number = marks.substr(0, comma);
        std::size_t row = 0;
        const auto [end, fault] =
            std::from_chars(number.data(), number.data() + number.size(), row);
        if (fault == std::errc{} && end == number.data() + number.size() && row >= 1)
            rows.push_back(row);
        marks = comma == std::string_view::npos ? std::string_view{} : marks.substr(comma + 1);
    }
    return rows;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

/// Reads a whole number from `least` to `most` typed into a cell into `cell`; an empty cell is
/// unknown. False, leaving `cell` alone, for anything else.
bool ReadWhole(std::string_view text, int least, int most, std::optional<int>& cell) {
    text = Trimmed(text);
    if (text.empty()) {
        cell.reset();
        return true;
    }
    if (text.front() == '+') text.remove_prefix(1);
    int n = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (fault != std::errc{} || end != text.data() + text.size() || n < least || n > most)
        return false;
    cell = n;
    return true;
}

} // namespace

int Session::NotebookChanged() {
    Data::RecomputeNotebook(rows_, calculations_);
    return ChangedNotebook;
}

int Session::Record() {
    const std::optional<int> droplet =
        followed_ > 0 ? std::optional<int>(NotebookNumber(followed_)) : std::nullopt;
    Data::NotebookRow row = Data::RecordedRow(rows_, droplet, burstSinceLastRow_);
    // Whose droplet it was: the student as typed, and in an assessed chamber which of their
    // sprays and how many bursts into it.
    if (!student_.empty()) row.Student = student_;
    if (assessed_) {
        row.Spray = spray_;
        row.Bursts = bursts_;
    }
    burstSinceLastRow_ = false;
    rows_.push_back(row);
    announcement_ =
        RowRecordedAnnouncement(static_cast<int>(rows_.size()), row.Droplet, row.Time.value_or(0));
    return NotebookChanged() | ChangedAnnouncement;
}

int Session::DeleteRows(std::span<const int> indexes) {
    std::vector<int> doomed(indexes.begin(), indexes.end());
    // From the last row up, so that the indexes still to go keep naming the same rows.
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    bool removed = false;
    for (const int index : doomed) {
        if (index < 0 || index >= static_cast<int>(rows_.size())) continue;
        rows_.erase(rows_.begin() + index);
        removed = true;
    }
    return removed ? NotebookChanged() : 0;
}

int Session::EditCell(int row, int column, std::string_view text) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return 0;
    Data::NotebookRow edited = rows_[static_cast<std::size_t>(row)];
    switch (column) {
    case Report::DropletColumn:
        if (!ReadWhole(text, Data::DropletArray::Low, Data::LargestDropletNumber, edited.Droplet))
            return 0;
        break;
    case Report::TicksColumn:
        if (!ReadWhole(text, 0, Data::LargestTicks, edited.Ticks)) return 0;
        break;
    case Report::DirectionColumn: {
        std::optional<int> direction;
        if (!ReadWhole(text, 0, 2, direction) || !direction) return 0;
        edited.Direction = static_cast<Data::MotionDirection>(*direction);
        break;
    }
    default:
        return 0;
    }
    rows_[static_cast<std::size_t>(row)] = edited;
    return NotebookChanged();
}

int Session::OpenNotebook(std::vector<Data::NotebookRow> rows, std::string_view marks) {
    rows_ = std::move(rows);
    for (const std::size_t row : MarkedRows(marks))
        if (row <= rows_.size()) rows_[row - 1].AfterBurst = true;
    burstSinceLastRow_ = false;
    // The droplets in the chamber now are numbered above every droplet the notebook names, and
    // none of them is followed: its number would name another droplet.
    sprayNumberOffset_ = Data::SprayNumberOffset(rows_);
    followed_ = 0;
    return NotebookChanged() | ChangedMarkers | ChangedDescription;
}

int Session::ReadNotebook(std::string_view csv, std::string& problem) {
    auto read = Notebook::FromCsv(csv);
    if (const auto* fault = std::get_if<Notebook::CsvProblem>(&read)) {
        problem = Notebook::Describe(*fault);
        return 0;
    }
    return OpenNotebook(std::move(std::get<std::vector<Data::NotebookRow>>(read)));
}

int Session::MarkBursts(std::string_view marks) {
    for (Data::NotebookRow& row : rows_)
        row.AfterBurst = false;
    for (const std::size_t row : MarkedRows(marks))
        if (row <= rows_.size()) rows_[row - 1].AfterBurst = true;
    return ChangedNotebook;
}

std::string Session::BurstMarks() const {
    std::string marked;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].AfterBurst) marked += (marked.empty() ? "" : ",") + std::to_string(i + 1);
    return marked;
}

int Session::SetCalculations(bool on) {
    calculations_ = on;
    return NotebookChanged();
}

int Session::SetAskedDroplets(int droplets) {
    askedDroplets_ = std::clamp(droplets, 1, MostDroplets);
    return NotebookChanged();
}

} // namespace Lab
