// A top-level window of a class of its own, in the shape of Windows' classic samples: the class
// registered at its first window, the object tied to its window from WM_NCCREATE on and handed
// the window's messages, and the message loop, in which the dialog manager gives the window Tab
// order and the default button.
#pragma once

#include <windows.h>

namespace brenvol::win32 {

class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // Runs the message loop until the window closes; returns the program's exit code.
    int Run();

protected:
    WindowBase() = default;
    // Leaves the window, if it is still there, to DefWindowProc and destroys it.
    ~WindowBase();

    // Makes the window, of the class `className`, whose windows have the icon resource `icon`.
    void Create(const wchar_t* className, int icon, DWORD style, DWORD exStyle,
                const wchar_t* caption, SIZE size);
    // The window's messages; what a window does not handle goes to DefWindowProc.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace brenvol::win32
