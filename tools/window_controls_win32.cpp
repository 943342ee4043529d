#include "tools/window_controls_win32.h"

#include <string_view>

namespace brenvol::win32 {

HWND FrmMainWindowOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM found) {
            wchar_t caption[16] = {}, kind[16] = {};
            GetWindowTextW(window, caption, 16);
            GetClassNameW(window, kind, 16);
            const std::u16string_view title = ui::kFrmMainWindow.caption;
            if (std::wstring_view(caption) == std::wstring(title.begin(), title.end()) &&
                std::wstring_view(kind) != L"#32770") {  // not a message box of that title
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND ControlOf(HWND window, ui::ControlName name) {
    HWND control = GetWindow(window, GW_CHILD);
    for (ui::ControlName at : ui::StackingOrder()) {
        if (at == name || !control) {
            break;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
    return control;
}

}  // namespace brenvol::win32
