// frm_main_window_hands: the Win32 window's hands for the window's cases (window_cases.mjs runs
// them, under Wine). A thread reads the commands and presses keys and buttons with SendInput, so
// that the system's input queue, the keys held and the controls' own handling all take part,
// while the window runs its own message loop on the program's first thread. After each action
// it waits until the window has had it: a last key, F24, which nothing uses, has been taken from
// the window's queue by a hook, or the window has gone.
//
// Wine hears from the X server late. A window is active at once, but the X server gives it the
// keyboard later; and when Wine hears of it, it sets the keys held to those the X server knows,
// which SendInput never pressed. The same goes for the pointer. So before keys go to a newly
// active window, the hands wait until the X server says it has the keyboard, and before a
// click, until the X server has the pointer where it was sent; then the window takes that news.
#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <semaphore>
#include <thread>

#include "faces/win32/frm_main_window.h"
#include "regional/user_registry.h"
#include "support/hands.h"
#include "support/registry_doubles.h"
#include "support/win32_clipboard.h"
#include "support/win32_imports.h"
#include "tools/window_controls_win32.h"

namespace brenvol::win32 {
namespace {

std::atomic<int> beeps = 0, taken = 0;  // the window's beeps, the F24 keys it has had
std::atomic<HWND> warningOwner = nullptr;
std::atomic<UINT> warningStyle = 0;
decltype(&MessageBoxW) showBox = nullptr;
decltype(&GetProcAddress) findFunction = nullptr;

// What the window last told screen readers: each UI Automation notification it raised, as Windows
// documents one for news (on an element, a kind, a processing, an activity). Wine's UI Automation
// has no notifications, and none of its clients listen: the hands listen in their place.
std::mutex saidLock;
std::u16string said;

HRESULT WINAPI Hear(IUnknown* element, int kind, int processing, BSTR text, BSTR activity) {
    std::lock_guard lock(saidLock);
    said = element && kind == 2 && processing == 1 && SysStringLen(activity) > 0
               ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text))
               : u"(not a notification as documented)";
    return S_OK;
}

BOOL WINAPI Listening() {
    return TRUE;
}

FARPROC WINAPI FindFunction(HMODULE module, LPCSTR name) {
    const auto is = [name](const char* wanted) {
        return HIWORD(reinterpret_cast<ULONG_PTR>(name)) && std::strcmp(name, wanted) == 0;
    };
    using Function = void (*)();
    return is("UiaRaiseNotificationEvent") ? reinterpret_cast<FARPROC>(Function(&Hear))
           : is("UiaClientsAreListening")  ? reinterpret_cast<FARPROC>(Function(&Listening))
                                           : findFunction(module, name);
}

INPUT Key(WORD vk, DWORD flags = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki = {vk, static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), flags, 0, 0};
    return input;
}

// The keys of `chord` down, then up.
void Press(std::vector<INPUT> chord) {
    for (auto i = chord.size(); i-- > 0;) {
        chord.push_back(chord[i]);
        chord.back().ki.dwFlags |= KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(chord.size()), chord.data(), sizeof(INPUT));
}

// A key as the keyboard layout has it, with the shift keys it needs; a character the layout has
// not comes as an input panel sends it.
std::vector<INPUT> KeyOf(char16_t c) {
    const SHORT scan = VkKeyScanW(c);
    if (scan == -1) {
        INPUT packet = Key(0, KEYEVENTF_UNICODE);
        packet.ki.wScan = c;
        return {packet};
    }
    std::vector<INPUT> keys;
    for (auto [bit, vk] : {std::pair{0x100, VK_SHIFT}, {0x200, VK_CONTROL}, {0x400, VK_MENU}}) {
        if (scan & bit) {
            keys.push_back(Key(vk));
        }
    }
    keys.push_back(Key(LOBYTE(scan)));
    return keys;
}

std::vector<INPUT> Chord(const std::vector<std::string>& names) {
    constexpr DWORD kExtended = KEYEVENTF_EXTENDEDKEY;
    // AltGr is Ctrl with the right Alt, as Windows' keyboard layouts deliver it.
    // clang-format off
    static const std::map<std::string, std::vector<INPUT>> keys = {
        {"Tab", {Key(VK_TAB)}}, {"Enter", {Key(VK_RETURN)}}, {"KeypadEnter", {Key(VK_RETURN, kExtended)}},
        {"Backspace", {Key(VK_BACK)}}, {"Escape", {Key(VK_ESCAPE)}}, {"Space", {Key(VK_SPACE)}},
        {"F4", {Key(VK_F4)}}, {"F10", {Key(VK_F10)}}, {"Delete", {Key(VK_DELETE, kExtended)}},
        {"Insert", {Key(VK_INSERT, kExtended)}}, {"Home", {Key(VK_HOME, kExtended)}},
        {"End", {Key(VK_END, kExtended)}}, {"Left", {Key(VK_LEFT, kExtended)}},
        {"Right", {Key(VK_RIGHT, kExtended)}}, {"Up", {Key(VK_UP, kExtended)}},
        {"Menu", {Key(VK_APPS, kExtended)}}, {"Ctrl", {Key(VK_CONTROL)}}, {"Shift", {Key(VK_SHIFT)}},
        {"Alt", {Key(VK_MENU)}}, {"Super", {Key(VK_LWIN)}}, {"AltGr", {Key(VK_LCONTROL), Key(VK_RMENU, kExtended)}}};
    // clang-format on
    std::vector<INPUT> chord;
    for (const std::string& name : names) {
        const char c = name[0];
        const auto found = keys.find(name);
        const std::vector<INPUT> more = found != keys.end()    ? found->second
                                        : c >= 'a' && c <= 'z' ? std::vector{Key(c - 'a' + 'A')}
                                                               : std::vector{KeyOf(c).back()};
        chord.insert(chord.end(), more.begin(), more.end());
    }
    return chord;
}

// Until `window` has taken what was sent, and what the X server told it so far, or has gone.
void TakeNews(HWND window) {
    const int before = taken;
    Press({Key(VK_F24)});
    while (taken == before && IsWindow(window)) {
        Sleep(1);
    }
}

// Until the X server agrees with `condition`, a shell's test of what xdotool, a program of the
// host, answers. Wine starts a host program with no process to wait for, so the shell leaves a
// file once the X server agrees (or, so that it never outlives the hands, after about a minute).
void AwaitX(const std::wstring& condition) {
    static int asked = 0;
    wchar_t scratch[MAX_PATH] = L"/tmp";
    GetEnvironmentVariableW(L"TMPDIR", scratch, MAX_PATH);
    const std::wstring agreed = std::wstring(scratch) + L"/x-agreed-" +
                                std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(++asked);
    std::wstring line = L"Z:\\bin\\sh -c \"for i in $(seq 6000); do " + condition +
                        L" && break; sleep 0.01; done; : >" + agreed + L"\"";
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &start, &process)) {
        return;  // no host, so no X server: Windows itself
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    while (!DeleteFileW((L"Z:" + agreed).c_str())) {
        Sleep(1);
    }
}

INPUT Mouse(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi = {at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1),
                at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1),
                0,
                flags,
                0,
                0};
    return input;
}

// The pointer moved to `control`'s middle, and once the X server has it there, a click.
void ClickAt(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    const POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
    INPUT input[3] = {Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, middle),
                      Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)};
    SendInput(1, input, sizeof(INPUT));
    AwaitX(L"xdotool getmouselocation | grep -q '^x:" + std::to_wstring(middle.x) + L" y:" +
           std::to_wstring(middle.y) + L" '");
    TakeNews(GetAncestor(control, GA_ROOT));
    SendInput(2, input + 1, sizeof(INPUT));
}

std::u16string TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), text.size())));
    return {text.begin(), text.end()};
}

// The window, on the thread `gui`, from the user's side.
struct Hands {
    DWORD gui;
    std::atomic<HWND> window = nullptr;
    HWND keyboardIn = nullptr;  // the last active window the X server gave the keyboard to

    HWND Control(const std::string& name) const {
        for (const ui::ControlDesign& design : ui::FrmMainControls()) {
            if (ui::NameText(design.name) == name) {
                return ControlOf(window, design.name);
            }
        }
        return nullptr;
    }
    HWND Warning() const {
        const HWND box = FindWindowW(L"#32770", nullptr);
        return box && GetWindowThreadProcessId(box, nullptr) == gui && IsWindowVisible(box)
                   ? box
                   : nullptr;
    }
    GUITHREADINFO Thread() const {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(gui, &thread);
        return thread;
    }

    // Until the window, or its warning while it shows, is the active one, where keys go, and has
    // heard from the X server that it has the keyboard.
    void Settle() {
        HWND active = nullptr;
        while (IsWindow(window) &&
               (active = Thread().hwndActive) != (Warning() ? Warning() : window.load())) {
            Sleep(1);
        }
        if (IsWindow(window) && active != keyboardIn) {
            // The X window Wine shows it in, with the keyboard.
            const auto shown =
                reinterpret_cast<ULONG_PTR>(GetPropW(active, L"__wine_x11_whole_window"));
            AwaitX(L"[ $(xdotool getwindowfocus -f) = " + std::to_wstring(shown) + L" ]");
            TakeNews(window);
            keyboardIn = active;
        }
    }
    void Do(const test::Command& command) {
        Settle();
        if (command.verb == "clipboard") {
            test::SetClipboard(command.text);  // a clipboard not taken shows in the case's outcome
            return;
        }
        if (command.verb == "type") {
            for (char16_t c : command.text) {
                Press(KeyOf(c));
            }
        } else if (command.verb == "click") {
            ClickAt(command.argument == "OK" ? GetDlgItem(Warning(), IDOK)
                                             : Control(command.argument));
        } else {
            Press(Chord(test::Keys(command.argument)));
        }
        TakeNews(window);
    }
    std::string State() {
        Settle();
        std::u16string boxes[5], warning;
        const bool closed = !IsWindow(window);
        int i = 0;
        for (const char* name : {"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)"}) {
            boxes[i++] = closed ? u"" : TextOf(Control(name));
        }
        std::string focus = "none", icon;
        for (const ui::ControlDesign& design : ui::FrmMainControls()) {
            if (Thread().hwndFocus && Control(ui::NameText(design.name)) == Thread().hwndFocus) {
                focus = ui::NameText(design.name);
            }
        }
        if (const HWND box = Warning()) {
            warning = TextOf(box) + u": " + TextOf(GetDlgItem(box, 0xFFFF));
            icon = warningOwner != window                         ? "not-the-window's"
                   : (warningStyle & MB_ICONMASK) == MB_ICONERROR ? "error"
                                                                  : "none";
        }
        std::lock_guard lock(saidLock);
        return test::StateJson(boxes, beeps, focus, warning, icon, closed, closed ? u"" : said);
    }
};

LRESULT CALLBACK TakeF24(int code, WPARAM removed, LPARAM message) {
    auto* key = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removed == PM_REMOVE && key->wParam == VK_F24 &&
        (key->message == WM_KEYDOWN || key->message == WM_KEYUP)) {
        // What the X server has told the window by now, taken before the key counts.
        MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
        taken += key->message == WM_KEYUP;
        key->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removed, message);
}

}  // namespace
}  // namespace brenvol::win32

int main() {
    using namespace brenvol;
    test::ReplaceImport(
        "user32.dll", "MessageBeep", +[](UINT) -> BOOL { return ++win32::beeps, TRUE; });
    win32::showBox = test::ReplaceImport(
        "user32.dll", "MessageBoxW", +[](HWND owner, LPCWSTR text, LPCWSTR title, UINT style) {
            win32::warningOwner = owner;
            win32::warningStyle = style;
            return win32::showBox(owner, text, title, style);
        });
    win32::findFunction =
        test::ReplaceImport("kernel32.dll", "GetProcAddress", &win32::FindFunction);
    SetWindowsHookExW(WH_GETMESSAGE, &win32::TakeF24, nullptr, GetCurrentThreadId());
    settings::FaultyRegistry registry;
    regional::SeedRegionalSettings(registry, u",");
    win32::Hands hands{GetCurrentThreadId()};
    // The reader asks for a new window, or for the end, and waits until the window is there.
    std::binary_semaphore asked{0}, opened{0};
    std::atomic<bool> done = false;
    std::thread user([&] {
        for (test::Command command; test::Read(command);) {
            if (command.verb == "open") {
                PostThreadMessageW(hands.gui, WM_QUIT, 0, 0);  // ends the last one's loops
                asked.release();
                opened.acquire();
            }
            test::Answer(command.verb == "state"  ? hands.State()
                         : command.verb == "open" ? (hands.Settle(), "ok")
                                                  : (hands.Do(command), "ok"));
        }
        done = true;
        PostThreadMessageW(hands.gui, WM_QUIT, 0, 0);
        asked.release();
    });
    std::optional<win32::FrmMainWindow> window;
    while (asked.acquire(), !done) {
        window.reset();
        // What is left of the last window: the end of its loop, and keys sent after it closed
        // (each sentinel among them counted).
        for (MSG left; PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT) ||
                       PeekMessageW(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);) {
        }
        // The pointer away from where the window will show, so that it does not show under the
        // pointer: the X server's news of that would come after the first click.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        window.emplace(registry, [] { return calc::NumberFormat{u","}; });
        window->Show(SW_SHOW);
        hands.window = win32::FrmMainWindowOf(GetCurrentThreadId());
        SetForegroundWindow(hands.window);
        win32::beeps = 0;
        win32::said.clear();
        opened.release();
        window->Run();
    }
    user.join();
}
