/* What a UI Automation client does first: asks each visible top-level window of the game for its
 * element (WM_GETOBJECT with UiaRootObjectId), which the stand-in uiautomationcore.dll records
 * with the tree below it. Exits with the number of windows asked. */
#include <wchar.h>
#include <windows.h>

#define UIA_ROOT_OBJECT_ID (-25)

static BOOL CALLBACK ask(HWND window, LPARAM asked)
{
    wchar_t kind[256] = L"";
    GetClassNameW(window, kind, 256);
    DWORD_PTR answer;
    if (IsWindowVisible(window) && wcsncmp(kind, L"Qt", 2) == 0 &&
        SendMessageTimeoutW(window, WM_GETOBJECT, 0, UIA_ROOT_OBJECT_ID, SMTO_ABORTIFHUNG, 10000,
                            &answer))
        ++*(int *)asked;
    return TRUE;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments, int show)
{
    (void)instance, (void)previous, (void)arguments, (void)show;
    int asked = 0;
    EnumWindows(ask, (LPARAM)&asked);
    return asked;
}
