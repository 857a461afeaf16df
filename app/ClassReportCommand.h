#pragma once
// The teacher's class report: `tessilar --class-report CLASS.pdf NOTEBOOK.csv...` pools the
// notebooks of a class (files, or folders holding them) into one PDF without any window or
// display.

#include "app/CommandLine.h"

/// Exit status when no notebook could be read and nothing was written.
constexpr int NoNotebookRead = 3;

/// Reads every notebook named, pools the charges, writes the class's report and prints the
/// class's estimate and a line per student. Notebooks that cannot be read are named on the
/// error stream and left out: 2 when some were, NoNotebookRead (and no PDF) when all were; 2,
/// writing nothing, for a CLASS.pdf that ends in .csv.
int WriteClassReportCommand(const OptionCall& call);
