#pragma once
// The state of one run that the page draws, kept up to date by the ticks and the commands.

#include <array>
#include <cstdint>
#include <string>

namespace WebRun {

/// Markers of all droplets as the page reads them: shown, x, y for each, droplet 1 first.
using MarkerTable = std::array<std::int32_t, 3 * 100>;

struct Snapshot {
    MarkerTable Markers{};
    int MarkersInView = 0;
    int ColumnTop = 0;
    std::string StopwatchText;
};

/// What the page draws now.
const Snapshot& Shown();
/// Takes the marker places as the chamber stands now; returns the change flags it caused.
int TakeMarkers();
/// Takes the column top as the chamber temperature stands now; returns the change flags.
int TakeColumn();

/// Starts a run at the page time `nowMs`: the chamber as at program start, fresh seeds.
void Begin(double nowMs, std::uint64_t seed, char decimalSeparator);
void End();
/// Runs the ticks due by `nowMs`; returns the change flags.
int RunUntil(double nowMs);
double TicksRun();
/// The window's controls (spin buttons, scroll bars, readouts) as a new run creates them.
void ResetControls();
/// A new spray: its droplets get notebook numbers above those the notebook holds.
void NewSpray();

} // namespace WebRun
