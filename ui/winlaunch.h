#pragma once

// Starting a program on Windows, with no Qt in it, so that the cross-compiled checks build the
// very code that the game runs.

#if defined(_WIN32)

#include <string>

namespace ui {

// Starts `commandLine` as a new process whose window is shown maximized and gets the focus,
// and neither waits for it nor keeps its handles. `application` is the program's full path,
// given on its own so that Windows never guesses it from an unquoted path with blanks.
// Returns 0 when the process started, otherwise the system's error code.
unsigned long startMaximized(const std::wstring &application, std::wstring commandLine);

} // namespace ui

#endif
