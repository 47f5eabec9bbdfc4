/* A stand-in for the browser, put where the game expects it. It records how it was started, one
 * line per process in "llamadas.txt" beside itself, as UTF-8: its command line as Windows gave
 * it, a tab, the STARTUPINFO show-window value, a tab, the STARTUPINFO flags. */
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments, int show)
{
    (void)instance, (void)previous, (void)arguments, (void)show;
    STARTUPINFOW startup;
    GetStartupInfoW(&startup);
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\')
        --length;
    wcscpy(path + length, L"llamadas.txt");

    wchar_t line[4096];
    int wide = swprintf(line, 4096, L"%ls\t%u\t%lu\n", GetCommandLineW(),
                        (unsigned)startup.wShowWindow, (unsigned long)startup.dwFlags);
    char utf8[4 * 4096];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, line, wide, utf8, sizeof utf8, NULL, NULL);
    /* Appends are whole: two starts at once cannot mix their lines. */
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE || wide < 0 || bytes <= 0)
        return 1;
    DWORD written = 0;
    BOOL ok = WriteFile(file, utf8, (DWORD)bytes, &written, NULL);
    CloseHandle(file);
    return ok && written == (DWORD)bytes ? 0 : 1;
}
