// The program's entry.
#include "StartSequence.h"

int main(int argc, char** argv) {
    return RunProgram(argc, argv);
}
