#include "model/AnswerKey.h"

#include "model/Data.h"
#include "model/DropletMotion.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <tuple>

namespace Data {

namespace {
constexpr double Micro = 1e-6;
constexpr double ChargeUnit = 1e-19; ///< C, the notebook's unit of charge

/// The velocity (m/s, positive with gravity) a droplet truly has under a signed plate voltage at
/// a temperature, and its fall speed with the supply off: the terminal velocities of the model's
/// motion, gravity, buoyancy and the field against Stokes' drag, which real air at the row's
/// pressure (kPa) divides by the slip factor.
std::pair<double, double> TrueVelocity(const TrueDroplet& truth, double volts, double celsius,
                                       std::optional<double> kilopascals) {
    const double kelvin = celsius + CelsiusOffset;
    const double eta = AirViscosity(kelvin);
    const double r = truth.Radius;
    double density = AirDensity(kelvin), slip = 1;
    if (kilopascals && *kilopascals > 0) {
        density = density * (*kilopascals * 1000 / StandardPressure);
        slip = 1 + SlipConstant / (*kilopascals * 1000 * r);
    }
    const double fall = 2 * r * r * (OilDensity - density) * Gravity / (9 * eta) * slip;
    const double field =
        truth.Charges * ElemCharge * volts / PlateGap / (Motion::SixPi * eta * r) * slip;
    return {fall + field, fall};
}

double RowVelocity(const NotebookRow& row) {
    const double speed = row.Speed.value_or(0) * Micro;
    switch (row.Direction) {
    case MotionDirection::Rise:
        return -speed;
    case MotionDirection::Balanced:
        return 0;
    case MotionDirection::Fall:
        break;
    }
    return speed;
}

/// The cells a student records, which two honest notebooks hardly ever share all of.
auto Timing(const NotebookRow& row) {
    return std::tie(row.Droplet, row.Ticks, row.Time, row.Direction, row.Voltage, row.Celsius,
                    row.Spray, row.Bursts, row.Pressure);
}

/// Rows of `a` that stand in `b` as well.
std::vector<std::size_t> SharedRows(const StudentNotebook& a, const StudentNotebook& b) {
    std::vector<std::size_t> shared;
    for (std::size_t i = 0; i < a.Rows.size(); ++i)
        if (std::any_of(b.Rows.begin(), b.Rows.end(), [&](const NotebookRow& other) {
                return Timing(other) == Timing(a.Rows[i]);
            }))
            shared.push_back(i);
    return shared;
}

int ConsistentAmong(const NotebookKey& key, const std::vector<std::size_t>& rows) {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [&](std::size_t i) {
        const RowVerdict v = key.Rows[i].Verdict;
        return v == RowVerdict::Right || v == RowVerdict::Misread || v == RowVerdict::FromChamber;
    }));
}
} // namespace

std::string_view StudentOf(const NotebookRow& row, const StudentNotebook& notebook) {
    return row.Student ? std::string_view(*row.Student) : std::string_view(notebook.Identifier);
}

std::string UploadedIdentifier(std::string_view identifier) {
    const auto trim = [](std::string_view text) {
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
            text.remove_prefix(1);
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
            text.remove_suffix(1);
        return text;
    };
    identifier = trim(identifier);
    // "anna (1)": a second copy of a file, as browsers and platforms name it.
    if (identifier.ends_with(')')) {
        const std::size_t open = identifier.rfind('(');
        const std::string_view number =
            open == std::string_view::npos
                ? std::string_view{}
                : identifier.substr(open + 1, identifier.size() - open - 2);
        if (open > 0 && !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c));
            }))
            identifier = trim(identifier.substr(0, open));
    }
    return std::string(identifier);
}

RowKey AssessRow(std::string_view code, std::string_view student, const NotebookRow& row) {
    RowKey key;
    key.Charge = row.Charge;
    if (!row.Spray) return key;
    key.Verdict = RowVerdict::NotFromChamber;
    if (!row.Droplet || *row.Droplet < 1 || !row.Voltage || !row.Celsius || !row.Speed) return key;
    // Each spray numbers its droplets from the next hundred up.
    const int droplet = (*row.Droplet - 1) % DropletCount + 1;
    key.Truth = TrueDropletOf(code, student, *row.Spray, droplet, row.Bursts.value_or(0));
    const auto [velocity, fall] =
        TrueVelocity(*key.Truth, *row.Voltage, *row.Celsius, row.Pressure);
    // A droplet held nearly still has hardly any speed to be a share of: a quarter of its fall
    // speed stands in for it then.
    const double scale = std::max(std::fabs(velocity), fall / 4);
    if (!(std::fabs(RowVelocity(row) - velocity) <= SpeedTolerance * scale)) return key;
    if (!key.Charge) {
        key.Verdict = RowVerdict::FromChamber;
        return key;
    }
    const long multiple = std::lround(*key.Charge * ChargeUnit / ElemCharge);
    key.Verdict = multiple == key.Truth->Charges ? RowVerdict::Right : RowVerdict::Misread;
    return key;
}

std::vector<NotebookKey> AssessClass(std::string_view code,
                                     const std::vector<StudentNotebook>& notebooks) {
    std::vector<NotebookKey> keys;
    for (const StudentNotebook& notebook : notebooks) {
        NotebookKey key;
        const std::string identifier = UploadedIdentifier(notebook.Identifier);
        for (const NotebookRow& row : notebook.Rows) {
            const RowKey rowKey = AssessRow(code, StudentOf(row, notebook), row);
            key.Rows.push_back(rowKey);
            if (rowKey.Verdict == RowVerdict::NotAssessed) continue;
            ++key.Assessed;
            key.Consistent += rowKey.Verdict != RowVerdict::NotFromChamber ? 1 : 0;
            if (rowKey.Charge) {
                ++key.Charges;
                key.RightCharges += rowKey.Verdict == RowVerdict::Right ? 1 : 0;
            }
            if (key.CopyOf.empty() && row.Student && UploadedIdentifier(*row.Student) != identifier)
                key.CopyOf = *row.Student;
        }
        keys.push_back(std::move(key));
    }
    // Rows two notebooks share: the one whose own chamber fits them less well is the copy, and
    // when neither fits them better, each is marked as the other's.
    for (std::size_t a = 0; a < notebooks.size(); ++a) {
        for (std::size_t b = a + 1; b < notebooks.size(); ++b) {
            const std::vector<std::size_t> inA = SharedRows(notebooks[a], notebooks[b]);
            const std::size_t fewest = std::min(notebooks[a].Rows.size(), notebooks[b].Rows.size());
            // One timing can agree by chance; two cannot, nor a notebook's only row.
            if (inA.size() < std::min<std::size_t>(2, fewest) || inA.empty()) continue;
            // A notebook whose rows name another student is the copy already.
            if (keys[a].CopyOf.empty() != keys[b].CopyOf.empty()) continue;
            const std::vector<std::size_t> inB = SharedRows(notebooks[b], notebooks[a]);
            const int fitA = ConsistentAmong(keys[a], inA), fitB = ConsistentAmong(keys[b], inB);
            if (fitA <= fitB && keys[a].CopyOf.empty())
                keys[a].CopyOf = UploadedIdentifier(notebooks[b].Identifier);
            if (fitB <= fitA && keys[b].CopyOf.empty())
                keys[b].CopyOf = UploadedIdentifier(notebooks[a].Identifier);
        }
    }
    return keys;
}

} // namespace Data
