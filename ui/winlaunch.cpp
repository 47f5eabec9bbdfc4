#include "ui/winlaunch.h"

#if defined(_WIN32)

#include <windows.h>

namespace ui {

unsigned long startMaximized(const std::wstring &application, std::wstring commandLine)
{
    // The application name is passed on its own: with an unquoted path that holds blanks,
    // Windows would otherwise try "C:\Archivos.exe", "C:\Archivos de.exe", ... first, and a file
    // put there would run instead of the browser. The command line itself stays as it is; it
    // is taken by value because CreateProcessW may write into it.
    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return GetLastError();
    // Neither waited for nor watched.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

} // namespace ui

#endif
