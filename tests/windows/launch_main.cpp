// A small Windows program around the game's process start:
//   launch.exe <program> <address>
// starts <program> with the command line "<program> <address>", unquoted, maximized with the
// focus, as the game starts its browser. Prints the system's error code when the start fails.

#include "ui/winlaunch.h"

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 3) {
        std::fputws(L"usage: launch <program> <address>\n", stderr);
        return 2;
    }
    const std::wstring program = argv[1];
    const unsigned long error = ui::startMaximized(program, program + L" " + argv[2]);
    if (error != 0) {
        std::fwprintf(stderr, L"could not start %ls (error %lu)\n", program.c_str(), error);
        return 1;
    }
    return 0;
}
