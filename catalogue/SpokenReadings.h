#pragma once
// What the instruments read, in words for assistive technology: the catalogue's texts in the
// chosen language with the chamber's numbers, written with the program's decimal separator. The
// same words for every front end.

#include <optional>
#include <string>
#include <string_view>

namespace Data {

/// Catalogue numbers of the accessibility texts.
namespace SpokenText {
constexpr int Microscope = 650;      ///< the microscope's name
constexpr int Voltmeter = 651;       ///< the voltmeter's name
constexpr int SupplyLamp = 652;      ///< the supply lamp's name
constexpr int Thermometer = 653;     ///< the thermometer's name
constexpr int ViewAcross = 654;      ///< the horizontal scroll bar's name
constexpr int ViewUpDown = 655;      ///< the vertical scroll bar's name
constexpr int MicroscopeKeys = 656;  ///< how to choose a droplet from the keyboard
constexpr int StopwatchDisplay = 15; ///< the stopwatch's name: the panel's caption
} // namespace SpokenText

/// The plate voltage as the voltmeter shows it, in whole volts with its sign: "-500 V".
std::string VoltmeterReading();
/// The supply lamp: the catalogue's "on" or "off".
std::string LampReading();
/// The chamber temperature the thermometer column shows, to a tenth of a degree: "23.4 °C".
std::string ThermometerReading();
/// The stopwatch's reading in seconds, to a tenth: "65.3 s".
std::string StopwatchReadingText();
/// What the microscope shows: how many droplets are in view and, for a followed droplet, its
/// number as the notebook numbers it (its number 1 to 100 plus `numberOffset`), where it is
/// against the view centre and how it moves.
std::string MicroscopeDescription(int numberOffset);
/// Said when the stopwatch is stopped: the reading it keeps.
std::string StopwatchStoppedAnnouncement();
/// Said when a timing is recorded: the row's number, its droplet if known, and its time in s.
std::string RowRecordedAnnouncement(int row, std::optional<int> droplet, double seconds);

/// The text with "%1", "%2", ... replaced by the arguments in one pass ("%%" stays as it is).
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace Data
