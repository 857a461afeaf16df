#pragma once
// The start sequence: the windows created in order, the identity prompt gating the program, and
// the main window's activation running the simulation until the main window closes.

#include <functional>

class TForm1;
class TPasswordDlg;

/// Ways in for measuring harnesses; the program itself uses none.
struct StartHooks {
    /// Runs before the identity prompt is shown.
    std::function<void(TForm1&, TPasswordDlg&)> BeforePrompt;
    /// Runs after the prompt was confirmed, just before the main window is shown.
    std::function<void(TForm1&)> BeforeMainWindow;
};

/// Runs the program; returns its exit status (always 0).
int RunProgram(int& argc, char** argv, const StartHooks& hooks = {});
