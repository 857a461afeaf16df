#pragma once
// What the instruments read, in words for assistive technology: the catalogue's texts in the
// chosen language with the chamber's numbers, written with the program's decimal separator. The
// same words for every front end.

#include <optional>
#include <string>

namespace Lab {

/// The plate voltage as the voltmeter shows it, in whole volts with its sign: "-500 V".
std::string VoltmeterReading();
/// The supply lamp: the catalogue's "on" or "off".
std::string LampReading();
/// The chamber temperature the thermometer column shows, to a tenth of a degree: "23.4 °C".
std::string ThermometerReading();
/// The stopwatch's reading in seconds, to a tenth: "65.3 s".
std::string StopwatchReadingText();
/// How many droplets are in view: none, one, or their number.
std::string DropletsInViewText();
/// What the microscope shows: how many droplets are in view and, for a followed droplet (1 to
/// 100; 0 for none), its number as the notebook numbers it (plus `numberOffset`), where it is
/// against the view centre and how it moves.
std::string MicroscopeDescription(int followed, int numberOffset);
/// Said when the stopwatch is stopped: the reading it keeps.
std::string StopwatchStoppedAnnouncement();
/// Said when a timing is recorded: the row's number, its droplet if known, and its time in s.
std::string RowRecordedAnnouncement(int row, std::optional<int> droplet, double seconds);

} // namespace Lab
