/* A stand-in for Windows' uiautomationcore.dll, put in the Wine prefix's system folder in place
 * of Wine's own, which lacks notifications and cannot serve a client in another process. It
 * records, one line per call in "uia.txt" beside itself as UTF-8 with tabs between the fields,
 * what the program hands to UI Automation:
 *   window  <title>                                          a client asked for the window (WM_GETOBJECT)
 *   tree    <depth> <type> <name> <description> <help>       each element under it, in order
 *   focus   <type> <name> <description> <help>               a focus-changed event
 *   event   <id> <type> <name> <description> <help>          any other event
 *   property <id> <type> <name> <new value>                  a property-changed event
 *   notification <kind> <processing> <activity> <text> <element>
 * An element's type is its UI Automation control type (Button, Group, Hyperlink, ...); one raised
 * on a window's host provider is "window <title>". Clients are always listening. */
#define COBJMACROS
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

#include <ole2.h>
#include <uiautomationcore.h>

#define FOCUS_CHANGED 20005
#define CONTROL_TYPE 30003
#define NAME 30005
#define HELP_TEXT 30013
#define FULL_DESCRIPTION 30159

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
    if (wide < 0)
        return;
    line[wide++] = L'\n';
    char utf8[4 * 8192];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, line, wide, utf8, sizeof utf8, NULL, NULL);
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written;
    WriteFile(file, utf8, (DWORD)bytes, &written, NULL);
    CloseHandle(file);
}

/* The host provider of a window: the system's element for the native window itself. */
typedef struct
{
    IRawElementProviderSimple provider;
    LONG references;
    HWND window;
} Host;

static HRESULT STDMETHODCALLTYPE hostQuery(IRawElementProviderSimple *host, REFIID id, void **out)
{
    if (!IsEqualIID(id, &IID_IUnknown) && !IsEqualIID(id, &IID_IRawElementProviderSimple)) {
        *out = NULL;
        return E_NOINTERFACE;
    }
    *out = host;
    IRawElementProviderSimple_AddRef(host);
    return S_OK;
}

static ULONG STDMETHODCALLTYPE hostAddRef(IRawElementProviderSimple *host)
{
    return (ULONG)InterlockedIncrement(&((Host *)host)->references);
}

static ULONG STDMETHODCALLTYPE hostRelease(IRawElementProviderSimple *host)
{
    LONG left = InterlockedDecrement(&((Host *)host)->references);
    if (left == 0)
        HeapFree(GetProcessHeap(), 0, host);
    return (ULONG)left;
}

static HRESULT STDMETHODCALLTYPE hostOptions(IRawElementProviderSimple *host, enum ProviderOptions *options)
{
    (void)host;
    *options = ProviderOptions_ServerSideProvider;
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE hostPattern(IRawElementProviderSimple *host, PATTERNID id, IUnknown **out)
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

static HRESULT STDMETHODCALLTYPE hostHost(IRawElementProviderSimple *host, IRawElementProviderSimple **out)
{
    (void)host;
    *out = NULL;
    return S_OK;
}

static IRawElementProviderSimpleVtbl hostMethods = {hostQuery,   hostAddRef,   hostRelease, hostOptions,
                                                    hostPattern, hostProperty, hostHost};

static void text(IRawElementProviderSimple *element, PROPERTYID id, wchar_t *out, size_t size)
{
    VARIANT value;
    VariantInit(&value);
    out[0] = 0;
    if (SUCCEEDED(IRawElementProviderSimple_GetPropertyValue(element, id, &value))) {
        if (V_VT(&value) == VT_BSTR && V_BSTR(&value))
            swprintf(out, size, L"%ls", V_BSTR(&value));
        else if (V_VT(&value) == VT_I4)
            swprintf(out, size, L"%ld", (long)V_I4(&value));
    }
    VariantClear(&value);
    for (wchar_t *c = out; *c; ++c) /* one record, one line */
        if (*c == L'\t' || *c == L'\n' || *c == L'\r')
            *c = L' ';
}

static const wchar_t *typeName(const wchar_t *number)
{
    static const struct
    {
        int id;
        const wchar_t *name;
    } types[] = {{50000, L"Button"},  {50005, L"Hyperlink"}, {50010, L"MenuBar"}, {50011, L"MenuItem"},
                 {50020, L"Text"},    {50025, L"Custom"},    {50026, L"Group"},   {50032, L"Window"},
                 {50033, L"Pane"},    {50037, L"TitleBar"},  {50012, L"ProgressBar"}};
    for (size_t i = 0; i < sizeof types / sizeof *types; ++i)
        if (types[i].id == _wtoi(number))
            return types[i].name;
    return number;
}

/* "<type>\t<name>\t<description>\t<help>", or "window <title>" for a host provider. */
static void describe(IRawElementProviderSimple *element, wchar_t *out, size_t size)
{
    if (element && element->lpVtbl == &hostMethods) {
        wchar_t title[512] = L"";
        GetWindowTextW(((Host *)element)->window, title, 512);
        swprintf(out, size, L"window %ls", title);
        return;
    }
    wchar_t type[32], name[1024], description[1024], help[1024];
    if (!element) {
        swprintf(out, size, L"(none)");
        return;
    }
    text(element, CONTROL_TYPE, type, 32);
    text(element, NAME, name, 1024);
    text(element, FULL_DESCRIPTION, description, 1024);
    text(element, HELP_TEXT, help, 1024);
    swprintf(out, size, L"%ls\t%ls\t%ls\t%ls", typeName(type), name, description, help);
}

static void walk(IRawElementProviderSimple *element, int depth)
{
    wchar_t line[4096];
    describe(element, line, 4096);
    record(L"tree\t%d\t%ls", depth, line);
    IRawElementProviderFragment *fragment = NULL, *child = NULL;
    if (depth > 10 || FAILED(IRawElementProviderSimple_QueryInterface(
                          element, &IID_IRawElementProviderFragment, (void **)&fragment)))
        return;
    IRawElementProviderFragment_Navigate(fragment, NavigateDirection_FirstChild, &child);
    for (int count = 0; child && count < 200; ++count) {
        IRawElementProviderSimple *simple = NULL;
        if (SUCCEEDED(IRawElementProviderFragment_QueryInterface(
                child, &IID_IRawElementProviderSimple, (void **)&simple))) {
            walk(simple, depth + 1);
            IRawElementProviderSimple_Release(simple);
        }
        IRawElementProviderFragment *next = NULL;
        IRawElementProviderFragment_Navigate(child, NavigateDirection_NextSibling, &next);
        IRawElementProviderFragment_Release(child);
        child = next;
    }
    IRawElementProviderFragment_Release(fragment);
}

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening(void)
{
    return TRUE;
}

__declspec(dllexport) LRESULT WINAPI UiaReturnRawElementProvider(HWND window, WPARAM w, LPARAM l,
                                                                 IRawElementProviderSimple *root)
{
    (void)w, (void)l;
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    record(L"window\t%ls", title);
    if (root)
        walk(root, 0);
    return 0;
}

__declspec(dllexport) HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple **out)
{
    Host *host = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof *host);
    if (!host || !window)
        return E_INVALIDARG;
    host->provider.lpVtbl = &hostMethods;
    host->references = 1;
    host->window = window;
    *out = &host->provider;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple *element, EVENTID id)
{
    wchar_t line[4096];
    describe(element, line, 4096);
    if (id == FOCUS_CHANGED)
        record(L"focus\t%ls", line);
    else
        record(L"event\t%d\t%ls", id, line);
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(
    IRawElementProviderSimple *element, PROPERTYID id, VARIANT before, VARIANT after)
{
    (void)before;
    wchar_t line[4096], type[32], name[1024];
    text(element, CONTROL_TYPE, type, 32);
    text(element, NAME, name, 1024);
    if (V_VT(&after) == VT_BSTR && V_BSTR(&after))
        swprintf(line, 4096, L"%ls", V_BSTR(&after));
    else
        swprintf(line, 4096, L"(type %d)", V_VT(&after));
    record(L"property\t%d\t%ls\t%ls\t%ls", id, typeName(type), name, line);
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple *element,
                                                               int kind, int processing, BSTR display,
                                                               BSTR activity)
{
    wchar_t line[4096];
    describe(element, line, 4096);
    record(L"notification\t%d\t%d\t%ls\t%ls\t%ls", kind, processing, activity ? activity : L"",
           display ? display : L"", line);
    return S_OK;
}
