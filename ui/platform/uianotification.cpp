#include "ui/platform/uianotification.h"

#include <QWidget>

#if defined(_WIN32)
#include <windows.h>

#include <oleauto.h>
#include <unknwn.h>
#endif

namespace ui {

#if defined(_WIN32)

namespace {

// UI Automation's own values, which MinGW's headers lack.
constexpr int notificationKindActionCompleted = 2;
constexpr int notificationKindOther = 4;
constexpr int notificationProcessingImportantAll = 0;
constexpr int notificationProcessingMostRecent = 3;

// The providers are IRawElementProviderSimple; only their IUnknown is used here.
using RaiseNotificationEvent = HRESULT(WINAPI *)(IUnknown *, int, int, BSTR, BSTR);
using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IUnknown **);
using ClientsAreListening = BOOL(WINAPI *)();

struct Automation
{
    RaiseNotificationEvent raiseNotification = nullptr;
    HostProviderFromHwnd hostProvider = nullptr;
    ClientsAreListening clientsListening = nullptr;
};

template<typename Function>
Function resolve(HMODULE library, const char *name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// Looked up once, at the first notification: UiaRaiseNotificationEvent came with Windows 10
// 1709, and a program that imported it would not start on an older Windows. The library comes
// from the system folder, as Qt loads it, never from beside the program.
const Automation &automation()
{
    static const Automation found = [] {
        Automation functions;
        HMODULE library =
            LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (library) {
            functions.raiseNotification =
                resolve<RaiseNotificationEvent>(library, "UiaRaiseNotificationEvent");
            functions.hostProvider =
                resolve<HostProviderFromHwnd>(library, "UiaHostProviderFromHwnd");
            functions.clientsListening =
                resolve<ClientsAreListening>(library, "UiaClientsAreListening");
        }
        return functions;
    }();
    return found;
}

} // namespace

bool raiseNotification(QWidget *window, const QString &text, Notice notice)
{
    const Automation &uia = automation();
    QWidget *top = window ? window->window() : nullptr;
    if (!uia.raiseNotification || !uia.hostProvider || !top ||
        !top->testAttribute(Qt::WA_WState_Created))
        return false;
    if (uia.clientsListening && !uia.clientsListening())
        return true; // no reader to tell
    IUnknown *element = nullptr;
    if (FAILED(uia.hostProvider(reinterpret_cast<HWND>(top->winId()), &element)) || !element)
        return false;
    BSTR display = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.utf16()),
                                     static_cast<UINT>(text.size()));
    const bool place = notice == Notice::Place;
    BSTR activity = SysAllocString(place ? L"Deslizador.lugar" : L"Deslizador.victoria");
    const HRESULT raised = uia.raiseNotification(
        element, place ? notificationKindActionCompleted : notificationKindOther,
        place ? notificationProcessingMostRecent : notificationProcessingImportantAll, display,
        activity);
    SysFreeString(activity);
    SysFreeString(display);
    element->Release();
    return SUCCEEDED(raised);
}

#else

bool raiseNotification(QWidget *, const QString &, Notice)
{
    return false;
}

#endif

} // namespace ui
