// The option table, the help built from it, and the parser that runs before the windows.
#include "app/CommandLine.h"

#include "app/ClassReportCommand.h"
#include "app/ReportCommand.h"
#include "lab/Lesson.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace {

constexpr int UsageFaultStatus = 2;

// "-h, --help" or "    --version", then the argument names.
std::string Synopsis(const CommandLineOption& option) {
    std::string text = option.ShortName.empty() ? "    " : std::string(option.ShortName) + ", ";
    text += option.Name;
    for (const std::string_view argument : option.Arguments)
        (text += ' ') += argument;
    if (option.Repeats) text += "...";
    return text;
}

int PrintHelp(const OptionCall& call) {
    call.Out << "Usage: tessilar [OPTION]\n"
                "A teaching simulation of the oil-drop experiment. Without an option it opens the\n"
                "experiment window.\n\nOptions:\n";
    std::size_t width = 0;
    for (const CommandLineOption& option : CommandLineOptions())
        width = std::max(width, Synopsis(option).size());
    for (const CommandLineOption& option : CommandLineOptions()) {
        const std::string synopsis = Synopsis(option);
        call.Out << "  " << synopsis << std::string(width - synopsis.size() + 3, ' ') << option.Help
                 << '\n';
    }
    call.Out << "\nQt's own options, such as -platform NAME or -style NAME, are passed on to Qt.\n"
                "A NOTEBOOK may be a folder: its .csv files are read, those set aside as damaged\n"
                "are not. Every argument after --class-report is its PDF or a notebook, but for\n"
                "--class-code CODE, which adds the answer key of the class's assessed chambers.\n"
                "\nExit status: 0 on success; 1 when a report cannot be written; 2 for a bad\n"
                "option, or a notebook that cannot be read (--class-report leaves it out and\n"
                "still writes the report from the others); 3 when --class-report can read no\n"
                "notebook at all and writes nothing.\n"
                "The manual page (man tessilar) describes the program's files and keys.\n";
    return 0;
}

int PrintVersion(const OptionCall& call) {
    call.Out << "tessilar " << TESSILAR_VERSION << '\n';
    return 0;
}

const CommandLineOption* FindOption(std::string_view argument) {
    for (const CommandLineOption& option : CommandLineOptions())
        if (argument == option.Name || (!option.ShortName.empty() && argument == option.ShortName))
            return &option;
    return nullptr;
}

int UsageFault(std::ostream& err, std::string_view message) {
    err << "tessilar: " << message << "\nTry 'tessilar --help' for the options.\n";
    return UsageFaultStatus;
}

} // namespace

std::span<const CommandLineOption> CommandLineOptions() {
    static const std::vector<CommandLineOption> options = {
        {"--help", "-h", {}, "print this help and exit", PrintHelp},
        {"--version", "", {}, "print the program's version and exit", PrintVersion},
        {"--report",
         "",
         {"NOTEBOOK.csv", "REPORT.pdf"},
         "write a notebook's PDF report, print the estimate of e, exit",
         WriteReportCommand},
        {"--class-report",
         "",
         {"CLASS.pdf", "[--class-code CODE] NOTEBOOK.csv"},
         "pool a class's notebooks into one PDF report, print e, exit",
         WriteClassReportCommand,
         true},
    };
    return options;
}

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
    // The whole line is checked before any option runs: a typo anywhere does nothing.
    const CommandLineOption* chosen = nullptr;
    std::vector<std::string_view> chosenArguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const CommandLineOption* option = FindOption(argument);
        if (!option) {
            if (argument.starts_with("--"))
                return UsageFault(err, "unknown option '" + std::string(argument) + "'");
            continue; // Qt's own, or ignored by Qt as before
        }
        const std::size_t left = static_cast<std::size_t>(argc - 1 - i);
        const std::size_t needed =
            option->Repeats ? std::max(left, option->Arguments.size()) : option->Arguments.size();
        if (left < needed) {
            std::string message = std::string(option->Name) + " needs";
            for (const std::string_view name : option->Arguments)
                (message += ' ') += name;
            if (option->Repeats) message += "...";
            return UsageFault(err, message);
        }
        if (!chosen) {
            chosen = option;
            chosenArguments.assign(argv + i + 1, argv + i + 1 + needed);
        }
        i += static_cast<int>(needed);
    }
    if (!chosen) return std::nullopt;

    // The reports and the reasons a notebook cannot be read speak the teacher's language, as the
    // windows do.
    Lab::ChooseLanguageOfProgramFolder();
    const int status = chosen->Run({chosenArguments, out, err});
    // A full disk or a closed pipe must not pass for success.
    if (!out.flush()) {
        err << "tessilar: could not write the output\n";
        return status == 0 ? 1 : status;
    }
    return status;
}
