#include "ui/platform/winlaunch.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace ui {

namespace {
constexpr unsigned long useShowWindow = 0x1; // STARTF_USESHOWWINDOW
constexpr unsigned short showMaximized = 3; // SW_SHOWMAXIMIZED
} // namespace

ProcessStart maximizedStart(std::wstring application, std::wstring commandLine)
{
    return {std::move(application), std::move(commandLine), useShowWindow, showMaximized};
}

#if defined(_WIN32)

static_assert(useShowWindow == STARTF_USESHOWWINDOW && showMaximized == SW_SHOWMAXIMIZED);

unsigned long startProcess(ProcessStart start)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof(startup);
    startup.dwFlags = start.flags;
    startup.wShowWindow = start.showWindow;
    PROCESS_INFORMATION process {};
    // The command line is the start's own copy: CreateProcessW may write into it.
    if (!CreateProcessW(start.application.c_str(), start.commandLine.data(), nullptr, nullptr,
                        FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

#endif

} // namespace ui
