#pragma once
// The options the program accepts. They are read in main() before any QApplication exists, so
// that they work without a display; every argument that is not ours (Qt's own single-dash
// options such as -platform or -style) is left for QApplication.

#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

/// What an option's handler is given: the option's own arguments and where to write.
struct OptionCall {
    std::vector<std::string_view> Arguments;
    std::ostream& Out;
    std::ostream& Err;
};

/// One option: its names, the arguments it takes, its help line and its handler.
struct CommandLineOption {
    /// The long name, "--version".
    std::string_view Name;
    /// The one-letter name, "-h", or empty.
    std::string_view ShortName;
    /// The names of the arguments that follow the option, as the help shows them.
    std::vector<std::string_view> Arguments;
    /// One line for the help text.
    std::string_view Help;
    /// Does the option's work; returns the program's exit status.
    int (*Run)(const OptionCall& call);
    /// Whether the last argument may repeat: the option then takes every argument after it.
    bool Repeats = false;
};

/// Every option the program accepts.
std::span<const CommandLineOption> CommandLineOptions();

/// Reads the program's arguments. Runs the first option of ours and returns its exit status;
/// returns 2 after a message on `err` for an unknown `--` argument or a missing option argument
/// (an option whose last argument repeats takes every argument after it);
/// returns nothing when the program is to start its windows.
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);
