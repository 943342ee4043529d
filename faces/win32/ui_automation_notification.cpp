#include "faces/win32/ui_automation_notification.h"

#include <oleauto.h>
#include <uiautomationcore.h>

#include <string_view>
#include <type_traits>

#include "faces/win32/system_library.h"

namespace brenvol::win32 {
namespace {

// Of UI Automation's NotificationKind and NotificationProcessing, which MinGW's headers lack.
constexpr int kActionCompleted = 2;
constexpr int kImportantMostRecent = 1;

struct UiaFunctions {
    decltype(&SysAllocStringLen) allocate = nullptr;
    decltype(&SysFreeString) free = nullptr;
    BOOL(WINAPI* clientsAreListening)() = nullptr;
    HRESULT(WINAPI* hostProvider)(HWND, IRawElementProviderSimple**) = nullptr;
    HRESULT(WINAPI* raiseNotification)
    (IRawElementProviderSimple*, int kind, int processing, BSTR text, BSTR activityId) = nullptr;
};

const UiaFunctions& Uia() {
    static const UiaFunctions functions = [] {
        const HMODULE uia = LoadSystemLibrary(L"uiautomationcore.dll");
        const HMODULE oleaut32 = uia ? LoadSystemLibrary(L"oleaut32.dll") : nullptr;
        UiaFunctions found;
        found.allocate = Find<decltype(SysAllocStringLen)>(oleaut32, "SysAllocStringLen");
        found.free = Find<decltype(SysFreeString)>(oleaut32, "SysFreeString");
        found.clientsAreListening =
            Find<std::remove_pointer_t<decltype(found.clientsAreListening)>>(
                uia, "UiaClientsAreListening");
        found.hostProvider = Find<std::remove_pointer_t<decltype(found.hostProvider)>>(
            uia, "UiaHostProviderFromHwnd");
        found.raiseNotification = Find<std::remove_pointer_t<decltype(found.raiseNotification)>>(
            uia, "UiaRaiseNotificationEvent");
        return found;
    }();
    return functions;
}

}  // namespace

void RaiseNotification(HWND window, std::u16string_view text) {
    const UiaFunctions& uia = Uia();
    if (!uia.allocate || !uia.free || !uia.clientsAreListening || !uia.hostProvider ||
        !uia.raiseNotification || !uia.clientsAreListening()) {
        return;
    }
    IRawElementProviderSimple* element = nullptr;
    if (FAILED(uia.hostProvider(window, &element)) || !element) {
        return;
    }
    const BSTR said =
        uia.allocate(reinterpret_cast<const OLECHAR*>(text.data()), UINT(text.size()));
    // Names what is said, so that a screen reader can tell one kind of news from another.
    constexpr std::wstring_view kActivity = L"Brenvol.Results";
    const BSTR activity = uia.allocate(kActivity.data(), UINT(kActivity.size()));
    if (said && activity) {
        uia.raiseNotification(element, kActionCompleted, kImportantMostRecent, said, activity);
    }
    uia.free(activity);
    uia.free(said);
    element->Release();
}

}  // namespace brenvol::win32
