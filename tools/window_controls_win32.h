// frmMain's Win32 window and its controls, found from outside as the tests, the screenshot and
// the benchmarks need them: the window by its caption among a thread's windows, a control by its
// place in the design's stacking order, the order in which the window makes its controls, each
// beneath those before it.
#pragma once

#include <windows.h>

#include "ui/frm_main_design.h"

namespace brenvol::win32 {

// frmMain's window among those of `thread`; nullptr where there is none.
HWND FrmMainWindowOf(DWORD thread);

HWND ControlOf(HWND window, ui::ControlName name);

}  // namespace brenvol::win32
