#pragma once
// The teacher's report command: `tessilar --report NOTEBOOK.csv REPORT.pdf` writes the report of
// a student's notebook without any window and without a display.

#include "app/CommandLine.h"

/// Reads the notebook, works out speeds, radii and charges again from the student's own cells,
/// writes the PDF and prints the estimate of e; 2 without a PDF when the notebook cannot be read.
int WriteReportCommand(const OptionCall& call);
