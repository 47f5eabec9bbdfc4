// launch.exe <program> <address>: starts "<program> <address>", unquoted, maximized with the
// focus, as the game starts its browser; prints the system's error code when the start fails.

#include "ui/winlaunch.h"

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 3)
        return 2;
    const unsigned long error =
        ui::startProcess(ui::maximizedStart(argv[1], std::wstring(argv[1]) + L" " + argv[2]));
    if (error != 0)
        std::fwprintf(stderr, L"could not start %ls (error %lu)\n", argv[1], error);
    return error != 0;
}
