// The Windows window under long pastes (WM_PASTE, as Shift+Insert sends it): 100,000 digits
// (the best of three), then "Calcola" on them, and 1 MiB of mixed text into a box (once); and,
// for comparison, a bare edit control taking the same text that the paste puts into the box.
// Prints how long each holds up the window's thread.
#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>

#include "faces/win32/frm_main_window.h"
#include "regional/user_registry.h"
#include "settings/memory_registry.h"
#include "tools/window_controls_win32.h"

namespace {

void SetClipboard(const std::wstring& text) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(block)), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

double BestMs(const std::function<void()>& prepare, const std::function<void()>& run,
              int runs = 3) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QueryPerformanceCounter(&start);
        run();
        QueryPerformanceCounter(&end);
        best = std::min(best, 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                  static_cast<double>(frequency.QuadPart));
    }
    return best;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    brenvol::settings::MemoryRegistry registry;
    brenvol::regional::SeedRegionalSettings(registry, u",");
    brenvol::win32::FrmMainWindow window(registry,
                                         [] { return brenvol::calc::NumberFormat{u","}; });
    window.Show(SW_SHOWNORMAL);
    const HWND shown = brenvol::win32::FrmMainWindowOf(GetCurrentThreadId());
    const HWND current = brenvol::win32::ControlOf(shown, brenvol::ui::kCurrentBox);
    const HWND capacity = brenvol::win32::ControlOf(shown, brenvol::ui::kCapacityBox);
    const HWND calcola = brenvol::win32::ControlOf(shown, brenvol::ui::kCalcola);
    const auto paste = [&] { SendMessageW(capacity, WM_PASTE, 0, 0); };
    const double digitsMs = BestMs(
        [&] {
            SetWindowTextW(capacity, L"");
            SetClipboard(L"1," + std::wstring(100000, L'3'));
        },
        paste);
    SetWindowTextW(current, L"100");
    const double calcolaMs = BestMs([] {}, [&] { SendMessageW(calcola, BM_CLICK, 0, 0); });
    std::printf("the Windows window:\n");
    std::printf("  paste of 100,000 digits        %10.1f ms (best of 3)\n", digitsMs);
    std::printf("  \"Calcola\" on them              %10.1f ms\n", calcolaMs);
    std::fflush(stdout);

    std::wstring mixed;
    while (mixed.size() < 512 * 1024) {  // 1 MiB of UTF-16
        mixed += L"12,5 abc-7.9;x\t\u00E8\u20AC ";
    }
    const double mixedMs = BestMs(
        [&] {
            SetWindowTextW(capacity, L"");
            SetClipboard(mixed);
        },
        paste, 1);
    std::wstring kept(static_cast<std::size_t>(GetWindowTextLengthW(capacity)) + 1, L'\0');
    kept.resize(static_cast<std::size_t>(
        GetWindowTextW(capacity, kept.data(), static_cast<int>(kept.size()))));
    std::printf("  paste of 1 MiB of mixed text   %10.1f ms (%zu characters in)\n", mixedMs,
                kept.size());
    std::fflush(stdout);
    const HWND bare = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 100, 20,
                                      shown, nullptr, nullptr, nullptr);
    SendMessageW(bare, EM_SETLIMITTEXT, 0, 0);
    const double bareMs = BestMs(
        [] {},
        [&] { SendMessageW(bare, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str())); },
        1);
    std::printf("  the same text into a bare edit %10.1f ms\n", bareMs);
    return 0;
}
