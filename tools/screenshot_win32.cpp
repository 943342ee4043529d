// brenvol-screenshot FILE.bmp: draws frmMain, after one calculation, and saves its client area
// as a BMP picture. scripts/screenshot.sh runs it under Wine for README.md's picture.
#include <windows.h>

#include <cstdio>

#include "faces/win32/frm_main_window.h"
#include "regional/user_registry.h"
#include "tools/window_picture_win32.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "Uso: brenvol-screenshot FILE.bmp\n");
        return 64;
    }
    using brenvol::ui::ControlArray;
    brenvol::settings::MemoryRegistry registry;
    brenvol::regional::SeedRegionalSettings(registry, u",");
    brenvol::win32::FrmMainWindow window(registry,
                                         [] { return brenvol::calc::NumberFormat{u","}; });
    window.SetText({ControlArray::Text1, 0}, u"100");
    window.SetText({ControlArray::Text1, 1}, u"700");
    window.Show(SW_SHOW);
    const HWND calcola =
        GetDlgItem(window.Handle(), brenvol::win32::ControlId({ControlArray::Command1, 0}));
    SendMessageW(calcola, BM_CLICK, 0, 0);
    const HWND current =
        GetDlgItem(window.Handle(), brenvol::win32::ControlId({ControlArray::Text1, 0}));
    SetFocus(current);
    SendMessageW(current, EM_SETSEL, 0, -1);
    return brenvol::win32::WriteBmp(brenvol::win32::CaptureClientArea(window.Handle()), argv[1])
               ? 0
               : 1;
}
