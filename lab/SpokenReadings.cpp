#include "lab/SpokenReadings.h"

#include "catalogue/TextCatalogue.h"
#include "catalogue/TextNumbers.h"
#include "model/Data.h"
#include "model/FieldParsing.h"
#include "model/ViewGeometry.h"

#include <cmath>

namespace Lab {

namespace {

std::string Whole(double value) {
    return Data::FormatFixed(value, 0, 0);
}

/// "t s" for a time in seconds, to a tenth.
std::string Seconds(double seconds) {
    return Data::FormatFixed(seconds, 0, 1) + " s";
}

/// Where the followed droplet is and how it moves in the view; falling droplets move up it.
std::string FollowedText(int droplet, int numberOffset) {
    const std::string following =
        Data::GetText(Texts::Following, {std::to_string(droplet + numberOffset)});
    const Data::MarkerPlace place = Data::MarkerPlaceOf(droplet);
    if (!place.Shown) return following + ", " + Data::GetText(Texts::OutOfView);
    const std::string where =
        place.Y < 0   ? Data::GetText(Texts::AboveCentre, {std::to_string(-place.Y)})
        : place.Y > 0 ? Data::GetText(Texts::BelowCentre, {std::to_string(place.Y)})
                      : Data::GetText(Texts::AtCentre);
    const double speed = Data::Drops[droplet].VY / Data::PixelSize; // view pixels (µm) per second
    const std::string motion =
        std::fabs(speed) < 0.5
            ? Data::GetText(Texts::AtRest)
            : Data::GetText(speed < 0 ? Texts::Falling : Texts::Rising, {Whole(std::fabs(speed))});
    return following + ", " + where + ", " + motion;
}

} // namespace

std::string VoltmeterReading() {
    return Whole(Data::PlateVoltage) + " V";
}

std::string LampReading() {
    return Data::GetText(Data::VoltageOn ? Texts::LampOn : Texts::LampOff);
}

std::string ThermometerReading() {
    return Data::FormatFixed(Data::CurTemp - Data::CelsiusOffset, 0, 1) + " °C";
}

std::string StopwatchReadingText() {
    return Seconds(Data::StopwatchReading());
}

std::string DropletsInViewText() {
    int shown = 0;
    for (int i = Data::DropletArray::Low; i <= Data::DropletArray::High; ++i)
        shown += Data::MarkerPlaceOf(i).Shown ? 1 : 0;
    if (shown == 0) return Data::GetText(Texts::NoDropletInView);
    if (shown == 1) return Data::GetText(Texts::OneDropletInView);
    return Data::GetText(Texts::DropletsInView, {std::to_string(shown)});
}

std::string MicroscopeDescription(int followed, int numberOffset) {
    std::string text = DropletsInViewText();
    if (followed >= Data::DropletArray::Low && followed <= Data::DropletArray::High)
        text += "; " + FollowedText(followed, numberOffset);
    return text;
}

std::string StopwatchStoppedAnnouncement() {
    return Data::GetText(Texts::StopwatchStopped, {StopwatchReadingText()});
}

std::string RowRecordedAnnouncement(int row, std::optional<int> droplet, double seconds) {
    if (droplet)
        return Data::GetText(Texts::RowRecorded,
                             {std::to_string(row), std::to_string(*droplet), Seconds(seconds)});
    return Data::GetText(Texts::RowRecordedNoDroplet, {std::to_string(row), Seconds(seconds)});
}

} // namespace Lab
