// Brenvol's start on Windows, as app/main_win32.cpp does it, ended at the first paint.
#include "faces/win32/frm_main_window.h"
#include "first_paint_probe_win32.h"
#include "regional/number_format.h"
#include "settings/windows_registry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    brenvol::settings::WindowsRegistry registry;
    brenvol::win32::FrmMainWindow window(registry, brenvol::regional::UserNumberFormat);
    window.Show(showCommand);
    brenvol::bench::ReportFirstPaint();
    return window.Run();
}
