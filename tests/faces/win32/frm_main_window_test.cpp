// The Win32 window, real, under Windows or Wine: what only the face can get wrong, its pictures,
// colours, names for screen readers, input methods, clipboard and code pages. What a person does
// with keys, pastes and clicks is window_cases.txt, which every face runs.
#include "faces/win32/frm_main_window.h"

#include <gtest/gtest.h>
#include <imm.h>

#include <map>
#include <set>

#include "regional/user_registry.h"
#include "support/picture_diff.h"
#include "support/registry_doubles.h"
#include "support/win32_clipboard.h"
#include "support/win32_imports.h"
#include "tools/window_controls_win32.h"
#include "tools/window_picture_win32.h"

namespace brenvol::win32 {
namespace {

using enum ui::ControlArray;
constexpr int kStopped = 7;  // Run's result when the test, not the window, ends the loop

int beeps = 0;  // the system's default beep, through MessageBeep
BOOL WINAPI CountBeep(UINT type) {
    beeps += type == MB_OK ? 1 : 100;
    return TRUE;
}
const bool beepsCounted = test::ReplaceImport("user32.dll", "MessageBeep", &CountBeep);

class FrmMainWindowTest : public testing::Test {
protected:
    FrmMainWindowTest() { Open(u","); }
    void Open(std::u16string_view separator) {
        regional::SeedRegionalSettings(registry_, separator);
        window_.reset();
        window_.emplace(registry_, [] { return calc::NumberFormat{u","}; });
        window_->Show(SW_SHOW);
        shown_ = FrmMainWindowOf(GetCurrentThreadId());
        beeps = 0;
    }
    HWND Control(ui::ControlName name) const { return ControlOf(shown_, name); }
    // Characters as a keyboard layout (message) delivers them where the focus is.
    static void Chars(std::u16string_view text, UINT message = WM_CHAR) {
        for (char16_t c : text) {
            PostMessageW(GetFocus(), message, c, 1);
        }
    }
    // Runs the window's message loop over everything posted so far.
    int RunPosted() {
        PostQuitMessage(kStopped);
        return window_->Run();
    }
    // After a calculation, with no caret blinking, the window looks as its picture `name`.
    void ExpectPicture(const std::string& name) {
        window_->SetText({Text1, 0}, u"100");
        window_->SetText({Text1, 1}, u"700");
        SendMessageW(Control({Command1, 0}), BM_CLICK, 0, 0);
        SetFocus(Control({Command1, 0}));
        const RgbPicture got = CaptureClientArea(shown_);
        RgbPicture diff;
        const int differing = test::DifferingPixels(
            got, ReadBmp(BRENVOL_PICTURES "/" + name + ".bmp").value_or(RgbPicture{}), diff);
        if (differing > test::kAllowedPixels) {
            WriteBmp(got, name + ".new.bmp");
            WriteBmp(diff, name + ".diff.bmp");
            FAIL() << differing << " pixels differ; see *.new.bmp, *.diff.bmp";
        }
    }
    static void SetClipboard(std::u16string_view text) { ASSERT_TRUE(test::SetClipboard(text)); }

    settings::FaultyRegistry registry_;
    std::optional<FrmMainWindow> window_;
    HWND shown_ = nullptr;
};

// At 96 dpi, and at 144 from the start or after a move to such a screen, where the window keeps
// its design's size in inches.
TEST_F(FrmMainWindowTest, LooksAsDesignedAtDpi96AndDpi144) {
    RECT suggested{10, 10, 400, 400}, client;
    if (GetDpiForWindow(shown_) == 96) {
        ExpectPicture("frm_main_window");
        SendMessageW(shown_, WM_DPICHANGED, MAKEWPARAM(144, 144),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    GetClientRect(shown_, &client);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(330L, 261L));
    ExpectPicture("frm_main_window_144");
}

// No input method composes in the boxes; what one sends all the same goes through the rule.
TEST_F(FrmMainWindowTest, ComposesNothingPastTheRule) {
    EXPECT_EQ(ImmGetContext(Control({Text1, 0})) || ImmGetContext(Control({Text1, 1})), false);
    Chars(u"5x.", WM_IME_CHAR);
    RunPosted();
    EXPECT_EQ(window_->Text({Text1, 0}), u"5,");
    EXPECT_EQ(beeps, 1);
}

// Stands in for oleacc's annotation service, as COM sees an object: a table of the interface's
// methods in their documented order, of which only Release (2), SetHwndPropStr (7) and
// ClearHwndProps (9) may be called. It keeps the name given to each window's client area ("" once
// cleared; "?" for a call on any other object or property).
std::map<HWND, std::wstring> annotated;
LONG references = 0;
bool IsClientName(HWND window, DWORD object, DWORD child, const MSAAPROPID& property) {
    return IsWindow(window) && object == DWORD(OBJID_CLIENT) && child == CHILDID_SELF &&
           property == PROPID_ACC_NAME;
}
ULONG STDMETHODCALLTYPE Release(void*) {
    return --references;
}
HRESULT STDMETHODCALLTYPE SetName(void*, HWND window, DWORD object, DWORD child,
                                  MSAAPROPID property, LPCWSTR name) {
    annotated[window] = IsClientName(window, object, child, property) ? name : L"?";
    return S_OK;
}
HRESULT STDMETHODCALLTYPE ClearName(void*, HWND window, DWORD object, DWORD child,
                                    const MSAAPROPID* properties, int count) {
    annotated[window] = count == 1 && IsClientName(window, object, child, *properties) ? L"" : L"?";
    return S_OK;
}
template <typename Function>
const void* Method(Function* function) {
    return reinterpret_cast<const void*>(function);
}
const void* const serviceMethods[] = {nullptr, nullptr,          Method(Release), nullptr,
                                      nullptr, nullptr,          nullptr,         Method(SetName),
                                      nullptr, Method(ClearName)};
const void* service = serviceMethods;

// The seven captions are label controls, each beneath every box and button. Screen readers hear
// each box named by its caption, annotated when a client first asks for the window's objects and
// cleared before the boxes go; the DLLs that takes load from System32 alone. (Wine's annotation
// service does nothing, so it stands in.)
TEST_F(FrmMainWindowTest, CaptionsAreLabelsThatNameTheirBoxes) {
    std::multiset<std::wstring> labels;
    int over = 0;  // boxes and buttons over every label
    for (HWND at = GetTopWindow(shown_); at; at = GetWindow(at, GW_HWNDNEXT)) {
        wchar_t text[64] = {}, kind[16] = {};
        GetClassNameW(at, kind, 16);
        GetWindowTextW(at, text, 64);
        if (std::wstring_view(kind) == L"Static") {
            labels.insert(text);
            EXPECT_EQ(over, 7) << "a label lies over a box or button";
        }
        over += labels.empty();
    }
    const std::wstring current = L"Corrente di ricarica",
                       capacity = L"Capacit\u00E0 Pacco Batterie";
    EXPECT_EQ(labels, (std::multiset<std::wstring>{current, capacity, L"[mA]", L"[mA]", L"Ore",
                                                   L"Minuti", L"Secondi"}));

    static decltype(&LoadLibraryExW) load = nullptr;
    static decltype(&GetProcAddress) find = nullptr;
    static std::vector<DWORD> loadFlags;
    load = test::ReplaceImport(
        "kernel32.dll", "LoadLibraryExW", +[](LPCWSTR dll, HANDLE file, DWORD flags) {
            loadFlags.push_back(flags);
            return load(dll, file, flags);
        });
    find = test::ReplaceImport(
        "kernel32.dll", "GetProcAddress", +[](HMODULE module, LPCSTR name) -> FARPROC {
            using Create = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, void**);
            const Create create = [](REFCLSID id, LPUNKNOWN, DWORD, REFIID, void** object) {
                *object = id == CLSID_AccPropServices ? &service : nullptr;
                return *object ? (++references, S_OK) : E_NOINTERFACE;
            };
            return std::string_view(name) == "CoCreateInstance"
                       ? reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(create))
                       : find(module, name);
        });
    SendMessageW(Control({Text1, 1}), WM_GETOBJECT, 0, OBJID_CLIENT);  // a box asked first
    test::ReplaceImport("kernel32.dll", "GetProcAddress", find);
    test::ReplaceImport("kernel32.dll", "LoadLibraryExW", load);
    const std::map<HWND, std::wstring> expected = {{Control({Text1, 0}), current},
                                                   {Control({Text1, 1}), capacity},
                                                   {Control({Text2, 0}), L"Ore"},
                                                   {Control({Text2, 1}), L"Minuti"},
                                                   {Control({Text2, 2}), L"Secondi"}};
    EXPECT_EQ(annotated, expected);
    EXPECT_EQ(loadFlags, std::vector<DWORD>{LOAD_LIBRARY_SEARCH_SYSTEM32});
    window_.reset();  // every name taken back while its box was there
    EXPECT_EQ(
        std::count_if(annotated.begin(), annotated.end(), [](auto& a) { return a.second.empty(); }),
        5);
    EXPECT_EQ(references, 0);
    Open(u",");  // a client that asks the window first
    SendMessageW(shown_, WM_GETOBJECT, 0, OBJID_CLIENT);
    EXPECT_EQ(annotated[Control({Text1, 0})], current);
}

// A clipboard block with no terminator inserts what it holds, and nothing beyond it, though the
// memory after it holds digits.
TEST_F(FrmMainWindowTest, PastesTheClipboardBlockWholeAndNoFurther) {
    static HGLOBAL unterminated = nullptr;
    SetClipboard(u"1");
    const std::u16string digits(64, u'4');
    unterminated = GlobalAlloc(GMEM_FIXED, 128);
    memcpy(unterminated, digits.data(), 128);
    ASSERT_EQ(GlobalReAlloc(unterminated, 6, 0), unterminated);  // shrunk where it lies
    ASSERT_EQ(GlobalSize(unterminated), 6u);
    const auto real = test::ReplaceImport(
        "user32.dll", "GetClipboardData", +[](UINT) -> HANDLE { return unterminated; });
    SendMessageW(GetFocus(), WM_PASTE, 0, 0);
    test::ReplaceImport("user32.dll", "GetClipboardData", real);
    GlobalFree(unterminated);
    EXPECT_EQ(window_->Text({Text1, 0}), u"444");
}

// The window's, the frame's, a label's and a box's background.
TEST_F(FrmMainWindowTest, FollowsTheSystemColours) {
    const int roles[] = {COLOR_ACTIVEBORDER, COLOR_INACTIVEBORDER, COLOR_BTNFACE, COLOR_WINDOW};
    const COLORREF changed[] = {RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90),
                                RGB(100, 110, 120)};
    COLORREF saved[4];
    std::transform(roles, roles + 4, saved, GetSysColor);
    SetSysColors(4, roles, changed);
    const RgbPicture got = CaptureClientArea(shown_);
    SetSysColors(4, roles, saved);
    const POINT where[] = {{2, 150}, {9, 122}, {5, 6}, {140, 10}};
    for (int i = 0; i < 4; ++i) {
        const auto* pixel = &got.rgb[3 * (where[i].y * got.width + where[i].x)];
        EXPECT_EQ(RGB(pixel[0], pixel[1], pixel[2]), changed[i]) << roles[i];
    }
}

// A fixed border with a close box and no other. (Closing it: window_cases.txt.)
TEST_F(FrmMainWindowTest, HasACloseBoxAlone) {
    EXPECT_EQ(GetWindowLongW(shown_, GWL_STYLE) &
                  (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
              WS_SYSMENU);
}

// Under each system code page: a separator of the page's own (what it types) and a character
// that has no single-byte code, typed and pasted.
TEST_F(FrmMainWindowTest, TypesAndPastesInTheSystemsCodePage) {
    const std::map<UINT, std::array<std::u16string, 3>> cases = {
        {1252, {u"\u00B7", u"\u00B7", u"\u0142"}}, {1250, {u"\u0142", u"\u0142", u"\u0416"}},
        {1251, {u"\u0416", u"\u0416", u"\u0142"}}, {932, {u"\uFF61", u"\uFF61", u"\u3042"}},
        {65001, {u"\u066B", u"", u"\u0939"}},
    };
    ASSERT_TRUE(cases.contains(GetACP())) << GetACP();
    const auto& [separator, typed, multiByte] = cases.at(GetACP());
    Open(separator);
    Chars(u"1." + multiByte + u"5");
    RunPosted();
    SetClipboard(u"2," + multiByte + u"5");
    SendMessageW(GetFocus(), WM_PASTE, 0, 0);
    EXPECT_EQ(window_->Text({Text1, 0}), u"1" + typed + u"52" + typed + u"5");
    EXPECT_EQ(beeps, 2);
}

}  // namespace
}  // namespace brenvol::win32
