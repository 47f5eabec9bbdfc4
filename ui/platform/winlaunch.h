#pragma once

// Starting a program on Windows, with no Qt in it, so that the cross-compiled checks build the
// very code that the game runs. What a start passes is put together on every system, where
// tests can read it; only the call itself is Windows's.

#include <string>

namespace ui {

// What CreateProcessW and its STARTUPINFOW are given.
struct ProcessStart
{
    std::wstring application; // the program's full path, on its own
    std::wstring commandLine; // as it stands, unquoted
    unsigned long flags = 0; // STARTUPINFOW.dwFlags
    unsigned short showWindow = 0; // STARTUPINFOW.wShowWindow
};

// `commandLine` started from `application`, its window maximized with the focus. The
// application name is given on its own: with an unquoted path that holds blanks, Windows would
// otherwise try "C:\Archivos.exe", "C:\Archivos de.exe", ... first, and a file put there would
// run instead of the browser.
ProcessStart maximizedStart(std::wstring application, std::wstring commandLine);

#if defined(_WIN32)
// Starts the process and neither waits for it nor keeps its handles. Returns 0 when it
// started, otherwise the system's error code.
unsigned long startProcess(ProcessStart start);
#endif

} // namespace ui
