// The program's entry.
#include "app/CommandLine.h"
#include "app/StartSequence.h"

#include <iostream>

int main(int argc, char** argv) {
    // Options first, with no QApplication yet, so that --help and --version need no display.
    if (const std::optional<int> status = HandleCommandLine(argc, argv, std::cout, std::cerr))
        return *status;
    return RunProgram(argc, argv);
}
