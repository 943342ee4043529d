// The floor on Windows: a bare window of Brenvol's size with one Arial label, ended at the first
// paint.
#include "first_paint_probe_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"Bare";
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowExW(0, L"Bare", L"Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                        CW_USEDEFAULT, 226, 203, nullptr, nullptr, instance, nullptr);
    const HWND label = CreateWindowExW(0, L"STATIC", L"Brenvol", WS_CHILD | WS_VISIBLE, 4, 4, 120,
                                       16, window, nullptr, instance, nullptr);
    const HFONT font =
        CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    brenvol::bench::ReportFirstPaint();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
