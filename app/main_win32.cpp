// Brenvol for Windows: starts the one window over the user's registry and runs until it closes.
#include <windows.h>

#include "faces/win32/frm_main_window.h"
#include "regional/number_format.h"
#include "settings/windows_registry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    // Whatever loads a DLL from now on, Windows' own or ours, finds it in System32 alone, never
    // in the folder the program was started from (a Downloads folder may hold anything).
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    brenvol::settings::WindowsRegistry registry;
    brenvol::win32::FrmMainWindow window(registry, brenvol::regional::UserNumberFormat);
    window.Show(showCommand);
    return window.Run();
}
