// Names a control for screen readers. Windows names an edit box after the label before it in the
// stacking order, which here is no caption of it; so a box answers the accessibility client's
// WM_GETOBJECT itself, through the standard interface (IAccessible), with the system's own
// object for it under the name of its caption. oleacc.dll is loaded only when a client first
// asks, so that start-up does not pay for it.
#pragma once

#include <windows.h>

#include <string>

namespace brenvol::win32 {

// The answer to WM_GETOBJECT for the client area of `control`, named `name`; 0 where the
// system's own answer stands (another object, or no accessibility support on the system).
LRESULT NamedClientObject(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name);

}  // namespace brenvol::win32
