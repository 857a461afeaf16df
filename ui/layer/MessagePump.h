#pragma once
// The message pump the program relies on.

/// Dispatches every pending user-interface message (input, paint, timer) and returns as soon as
/// the queue is empty, never waiting. May be called from inside a handler.
void ProcessMessages();
