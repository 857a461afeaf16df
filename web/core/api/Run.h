#pragma once
// The page's run of the experiment: the student's session, and the page's clock that runs the
// ticks due since the run began, as the desktop's scheduler does.

#include "lab/Session.h"

#include <cstdint>
#include <string>

namespace WebRun {

/// The session of the run (one per page).
Lab::Session& Session();

/// Starts a run at the page time `nowMs`: the chamber as at program start, fresh seeds, the
/// session's controls as designed. Returns everything, to be drawn afresh.
int Begin(double nowMs, std::uint64_t seed, char decimalSeparator);
void End();
/// Runs the ticks due by `nowMs`; returns what they changed.
int RunUntil(double nowMs);
double TicksRun();

/// Keeps a text for the page to read until the next call with the same buffer.
const char* Returned(std::string& buffer, std::string text);

} // namespace WebRun
