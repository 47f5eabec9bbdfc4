/* A stand-in for Windows' uiautomationcore.dll, put in the Wine prefix's system folder in place of
 * Wine's own, which lacks notifications and cannot serve a client in another process. Clients are
 * always listening. It records what the program hands to UI Automation in "uia.txt" beside itself,
 * a line a call, UTF-8, fields between tabs; an element is <control type> <name> <full description>
 * <help text>, or "window <title>" for a window's host provider:
 *   window <title>, then tree <depth> <element> for each element below it: a client asked for the
 *       window (WM_GETOBJECT; `rundll32 uiautomationcore.dll,Ask` asks the visible Qt windows)
 *   focus <element>; event <id> <element>; property <id> <element> <new value>
 *   notification <kind> <processing> <activity> <text> <element> */
#define COBJMACROS
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

#include <ole2.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>
#define UIA_ROOT_OBJECT_ID (-25) /* what MinGW lacks: the root object, the focus event, the Button type */

static HMODULE self;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

static void record(const wchar_t *format, ...)
{
    wchar_t path[MAX_PATH], line[8192];
    DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\')
        --length;
    wcscpy(path + length, L"uia.txt");
    va_list arguments;
    va_start(arguments, format);
    int wide = vswprintf(line, 8190, format, arguments);
    va_end(arguments);
    line[wide++] = L'\n';
    char utf8[4 * 8192];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, line, wide, utf8, sizeof utf8, NULL, NULL);
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written;
    WriteFile(file, utf8, (DWORD)bytes, &written, NULL);
    CloseHandle(file);
}

/* A window's host provider: only its window is of use here, and it is never freed. */
typedef struct { IRawElementProviderSimple provider; HWND window; } Host;
static HRESULT STDMETHODCALLTYPE hostQuery(IRawElementProviderSimple *host, REFIID id, void **out)
{
    *out = IsEqualIID(id, &IID_IUnknown) || IsEqualIID(id, &IID_IRawElementProviderSimple) ? host : NULL;
    return *out ? S_OK : E_NOINTERFACE;
}
static ULONG STDMETHODCALLTYPE hostCount(IRawElementProviderSimple *host) { (void)host; return 1; }
static HRESULT STDMETHODCALLTYPE hostOptions(IRawElementProviderSimple *host, enum ProviderOptions *out)
{
    (void)host;
    *out = ProviderOptions_ServerSideProvider;
    return S_OK;
}
static HRESULT STDMETHODCALLTYPE hostNothing(IRawElementProviderSimple *host, int id, void **out)
{
    (void)host, (void)id;
    *out = NULL;
    return S_OK;
}
static HRESULT STDMETHODCALLTYPE hostProperty(IRawElementProviderSimple *host, PROPERTYID id, VARIANT *out)
{
    (void)host, (void)id;
    VariantInit(out);
    return S_OK;
}
static IRawElementProviderSimpleVtbl hostMethods = {
    hostQuery, hostCount, hostCount, hostOptions, (void *)hostNothing, hostProperty, (void *)hostNothing};

static void text(IRawElementProviderSimple *element, PROPERTYID id, wchar_t *out)
{
    VARIANT value;
    VariantInit(&value);
    out[0] = 0;
    if (SUCCEEDED(IRawElementProviderSimple_GetPropertyValue(element, id, &value))) {
        if (V_VT(&value) == VT_BSTR && V_BSTR(&value))
            swprintf(out, 1024, L"%ls", V_BSTR(&value));
        else if (V_VT(&value) == VT_I4) {
            static const wchar_t *types[] = {[0] = L"Button", [5] = L"Hyperlink", [10] = L"MenuBar",
                [11] = L"MenuItem", [20] = L"Text", [26] = L"Group", [32] = L"Window", [33] = L"Pane"};
            long n = (long)V_I4(&value) - 50000;
            if (n >= 0 && n <= 33 && types[n])
                swprintf(out, 1024, L"%ls", types[n]);
            else
                swprintf(out, 1024, L"%ld", n + 50000);
        }
    }
    VariantClear(&value);
    for (wchar_t *c = out; *c; ++c) /* one record, one line */
        if (*c == L'\t' || *c == L'\n' || *c == L'\r')
            *c = L' ';
}

static const wchar_t *describe(IRawElementProviderSimple *element, wchar_t *out)
{
    wchar_t fields[4][1024];
    if (element->lpVtbl == &hostMethods) {
        GetWindowTextW(((Host *)element)->window, fields[0], 1024);
        swprintf(out, 4200, L"window %ls", fields[0]);
        return out;
    }
    static const PROPERTYID ids[] = {UIA_ControlTypePropertyId, UIA_NamePropertyId,
                                     UIA_FullDescriptionPropertyId, UIA_HelpTextPropertyId};
    for (int i = 0; i < 4; ++i)
        text(element, ids[i], fields[i]);
    swprintf(out, 4200, L"%ls\t%ls\t%ls\t%ls", fields[0], fields[1], fields[2], fields[3]);
    return out;
}

static void walk(IRawElementProviderSimple *element, int depth)
{
    wchar_t line[4200];
    record(L"tree\t%d\t%ls", depth, describe(element, line));
    IRawElementProviderFragment *fragment = NULL, *child = NULL, *next;
    if (depth > 10 || FAILED(IRawElementProviderSimple_QueryInterface(element, &IID_IRawElementProviderFragment,
                                                                      (void **)&fragment)))
        return;
    IRawElementProviderFragment_Navigate(fragment, NavigateDirection_FirstChild, &child);
    for (int count = 0; child && count < 200; ++count, child = next) {
        IRawElementProviderSimple *simple;
        if (SUCCEEDED(IRawElementProviderFragment_QueryInterface(child, &IID_IRawElementProviderSimple,
                                                                 (void **)&simple))) {
            walk(simple, depth + 1);
            IRawElementProviderSimple_Release(simple);
        }
        next = NULL;
        IRawElementProviderFragment_Navigate(child, NavigateDirection_NextSibling, &next);
        IRawElementProviderFragment_Release(child);
    }
    IRawElementProviderFragment_Release(fragment);
}

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening(void) { return TRUE; }

__declspec(dllexport) LRESULT WINAPI UiaReturnRawElementProvider(HWND window, WPARAM w, LPARAM l,
                                                                 IRawElementProviderSimple *root)
{
    (void)w, (void)l;
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    record(L"window\t%ls", title);
    walk(root, 0);
    return 0;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple **out)
{
    Host *host = HeapAlloc(GetProcessHeap(), 0, sizeof *host);
    host->provider.lpVtbl = &hostMethods;
    host->window = window;
    *out = &host->provider;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple *element, EVENTID id)
{
    wchar_t line[4200];
    if (id == 20005)
        record(L"focus\t%ls", describe(element, line));
    else
        record(L"event\t%d\t%ls", id, describe(element, line));
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple *element,
                                                                            PROPERTYID id, VARIANT old, VARIANT now)
{
    (void)old;
    wchar_t line[4200];
    record(L"property\t%d\t%ls\t%ls", id, describe(element, line),
           V_VT(&now) == VT_BSTR && V_BSTR(&now) ? V_BSTR(&now) : L"");
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple *element, int kind,
                                                               int processing, BSTR text, BSTR activity)
{
    wchar_t line[4200];
    record(L"notification\t%d\t%d\t%ls\t%ls\t%ls", kind, processing, activity ? activity : L"",
           text ? text : L"", describe(element, line));
    return S_OK;
}

/* What a client does first: asks a window for its element. */
static BOOL CALLBACK askWindow(HWND window, LPARAM unused)
{
    (void)unused;
    wchar_t kind[256] = L"";
    DWORD_PTR answer;
    GetClassNameW(window, kind, 256);
    if (IsWindowVisible(window) && wcsncmp(kind, L"Qt", 2) == 0)
        SendMessageTimeoutW(window, WM_GETOBJECT, 0, UIA_ROOT_OBJECT_ID, SMTO_ABORTIFHUNG, 10000, &answer);
    return TRUE;
}

__declspec(dllexport) void CALLBACK Ask(HWND window, HINSTANCE instance, LPSTR line, int show)
{
    (void)window, (void)instance, (void)line, (void)show;
    EnumWindows(askWindow, 0);
}
