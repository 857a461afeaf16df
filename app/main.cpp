// The program's entry.
#include "app/StartSequence.h"

int main(int argc, char** argv) {
    return RunProgram(argc, argv);
}
