// The program's entry.
#include "CommandLine.h"
#include "StartSequence.h"

#include <iostream>

int main(int argc, char** argv) {
    // Options first, with no QApplication yet, so that --help and --version need no display.
    if (const std::optional<int> status = HandleCommandLine(argc, argv, std::cout, std::cerr))
        return *status;
    return RunProgram(argc, argv);
}
