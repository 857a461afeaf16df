#include "catalogue/SpokenReadings.h"

#include "catalogue/TextCatalogue.h"
#include "model/Data.h"
#include "model/FieldParsing.h"
#include "model/ViewGeometry.h"

#include <cmath>
#include <vector>

namespace Data {

namespace {

// Catalogue numbers of the parts of the spoken texts.
constexpr int LampOn = 657, LampOff = 658;
constexpr int NoDropletInView = 659, OneDropletInView = 660, DropletsInView = 661;
constexpr int Following = 662, OutOfView = 663;
constexpr int AboveCentre = 664, BelowCentre = 665, AtCentre = 666;
constexpr int Falling = 667, Rising = 668, AtRest = 669;
constexpr int StopwatchStopped = 670, RowRecorded = 671, RowRecordedNoDroplet = 672;

std::string Whole(double value) {
    return FormatFixed(value, 0, 0);
}

/// "t s" for a time in seconds, to a tenth.
std::string Seconds(double seconds) {
    return FormatFixed(seconds, 0, 1) + " s";
}

std::string DropletCountText() {
    int shown = 0;
    for (int i = DropletArray::Low; i <= DropletArray::High; ++i)
        shown += MarkerPlaceOf(i).Shown ? 1 : 0;
    if (shown == 0) return GetText(NoDropletInView);
    if (shown == 1) return GetText(OneDropletInView);
    return FillText(GetText(DropletsInView), {std::to_string(shown)});
}

/// Where the followed droplet is and how it moves in the view; falling droplets move up it.
std::string FollowedText(int droplet, int numberOffset) {
    const std::string number = std::to_string(droplet + numberOffset);
    const std::string following = FillText(GetText(Following), {number});
    const MarkerPlace place = MarkerPlaceOf(droplet);
    if (!place.Shown) return following + ", " + GetText(OutOfView);
    const std::string where =
        place.Y < 0   ? FillText(GetText(AboveCentre), {std::to_string(-place.Y)})
        : place.Y > 0 ? FillText(GetText(BelowCentre), {std::to_string(place.Y)})
                      : GetText(AtCentre);
    const double speed = Drops[droplet].VY / PixelSize; // view pixels (µm) per second
    const std::string motion =
        std::fabs(speed) < 0.5
            ? GetText(AtRest)
            : FillText(GetText(speed < 0 ? Falling : Rising), {Whole(std::fabs(speed))});
    return following + ", " + where + ", " + motion;
}

} // namespace

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < values.size()) {
            out += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string VoltmeterReading() {
    return Whole(PlateVoltage) + " V";
}

std::string LampReading() {
    return GetText(VoltageOn ? LampOn : LampOff);
}

std::string ThermometerReading() {
    return FormatFixed(CurTemp - CelsiusOffset, 0, 1) + " °C";
}

std::string StopwatchReadingText() {
    return Seconds(StopwatchReading());
}

std::string MicroscopeDescription(int numberOffset) {
    std::string text = DropletCountText();
    if (SelectedDroplet >= DropletArray::Low && SelectedDroplet <= DropletArray::High)
        text += "; " + FollowedText(SelectedDroplet, numberOffset);
    return text;
}

std::string StopwatchStoppedAnnouncement() {
    return FillText(GetText(StopwatchStopped), {StopwatchReadingText()});
}

std::string RowRecordedAnnouncement(int row, std::optional<int> droplet, double seconds) {
    if (droplet)
        return FillText(GetText(RowRecorded),
                        {std::to_string(row), std::to_string(*droplet), Seconds(seconds)});
    return FillText(GetText(RowRecordedNoDroplet), {std::to_string(row), Seconds(seconds)});
}

} // namespace Data
