// brenvol-screenshot FILE.bmp: draws frmMain, after one calculation, and saves its client area
// as a BMP picture. scripts/screenshot.sh runs it under Wine for README.md's picture.
#include <windows.h>

#include <cstdio>

#include "faces/win32/frm_main_window.h"
#include "regional/user_registry.h"
#include "tools/window_controls_win32.h"
#include "tools/window_picture_win32.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "Uso: brenvol-screenshot FILE.bmp\n");
        return 64;
    }
    brenvol::settings::MemoryRegistry registry;
    brenvol::regional::SeedRegionalSettings(registry, u",");
    brenvol::win32::FrmMainWindow window(registry,
                                         [] { return brenvol::calc::NumberFormat{u","}; });
    window.SetText(brenvol::ui::kCurrentBox, u"100");
    window.SetText(brenvol::ui::kCapacityBox, u"700");
    window.Show(SW_SHOW);
    const HWND shown = brenvol::win32::FrmMainWindowOf(GetCurrentThreadId());
    SendMessageW(brenvol::win32::ControlOf(shown, brenvol::ui::kCalcola), BM_CLICK, 0, 0);
    const HWND current = brenvol::win32::ControlOf(shown, brenvol::ui::kCurrentBox);
    SetFocus(current);
    SendMessageW(current, EM_SETSEL, 0, -1);
    return brenvol::win32::WriteBmp(brenvol::win32::CaptureClientArea(shown), argv[1]) ? 0 : 1;
}
