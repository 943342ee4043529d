// Has screen readers say a text that is not a focus change, as Windows documents it: a UI
// Automation notification (UiaRaiseNotificationEvent, Windows 10 1709 and later) raised on the
// window's own element, kind "action completed", the most recent one of them kept.
//
// uiautomationcore.dll and oleaut32.dll are loaded, from System32 alone, at the first text; nothing
// is said where the system has no notification event, or while no UI Automation client listens.
#pragma once

#include <windows.h>

#include <string_view>

namespace brenvol::win32 {

void RaiseNotification(HWND window, std::u16string_view text);

}  // namespace brenvol::win32
