// The Win32 window, real, under Windows or Wine: what only the face can get wrong. Keys are
// posted as the keyboard would deliver them and run through the window's own message loop.
#include "faces/win32/frm_main_window.h"
#include "faces/win32/window_picture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cwctype>
#include <thread>

#include "regional/user_registry.h"
#include "settings/decimal_separator.h"
#include "support/faulty_registry.h"
#include "support/picture_diff.h"

namespace brenvol::win32 {
namespace {

using enum ui::ControlArray;

constexpr int kStopped = 7;  // Run's result when the test, not the window, ends the loop

class FrmMainWindowTest : public testing::Test {
protected:
    FrmMainWindowTest() {
        regional::SeedRegionalSettings(registry_, u",");
        window_.emplace(registry_, [] { return calc::NumberFormat{u","}; });
        window_->Show(SW_SHOW);
    }

    HWND Control(ui::ControlName name) const {
        return GetDlgItem(window_->Handle(), ControlId(name));
    }
    std::wstring Text(ui::ControlName name) const {
        wchar_t text[64] = {};
        GetWindowTextW(Control(name), text, 64);
        return text;
    }
    std::wstring Results() const {
        return Text({Text2, 0}) + L" " + Text({Text2, 1}) + L" " + Text({Text2, 2});
    }
    // A key pressed and released where the focus is; TranslateMessage in the loop makes the
    // character of a character key.
    static void Key(UINT vk) {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(GetFocus(), WM_KEYDOWN, vk, scan | 1);
        PostMessageW(GetFocus(), WM_KEYUP, vk, scan | 0xC0000001);
    }
    static void Type(const wchar_t* keys) {
        for (; *keys; ++keys) {
            Key(*keys == L'.' ? VK_OEM_PERIOD : std::towupper(*keys));
        }
    }
    // Runs the window's message loop over everything posted so far.
    int RunPosted() {
        PostQuitMessage(kStopped);
        return window_->Run();
    }

    settings::FaultyRegistry registry_;
    std::optional<FrmMainWindow> window_;
};

// After a calculation, at 96 dpi, with the focus on a button so that no caret blinks: the one
// check of the window's look.
TEST_F(FrmMainWindowTest, LooksAsDesigned) {
    ASSERT_EQ(GetDpiForWindow(window_->Handle()), 96u);
    SetWindowTextW(Control({Text1, 0}), L"100");
    SetWindowTextW(Control({Text1, 1}), L"700");
    SendMessageW(Control({Command1, 0}), BM_CLICK, 0, 0);
    SetFocus(Control({Command1, 0}));
    const Picture got = CaptureClientArea(window_->Handle());
    const std::string reference = BRENVOL_PICTURES "/frm_main_window.bmp";
    const auto want = ReadBmp(reference);
    test::RgbPicture diff;
    const int differing = test::DifferingPixels(
        {got.width, got.height, got.rgb},
        want ? test::RgbPicture{want->width, want->height, want->rgb} : test::RgbPicture{}, diff);
    if (differing > test::kAllowedPixels) {
        WriteBmp(got, "frm_main_window.new.bmp");
        WriteBmp({diff.width, diff.height, diff.rgb}, "frm_main_window.diff.bmp");
        FAIL() << differing << " pixels differ from " << reference
               << "; the new picture and the difference are in the test's folder";
    }
}

TEST_F(FrmMainWindowTest, ControlsAreRealWindowsControls) {
    const LONG style = GetWindowLongW(window_->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    for (const ui::ControlDesign& d : ui::FrmMainControls()) {
        wchar_t className[16] = {};
        GetClassNameW(Control(d.name), className, 16);
        const wchar_t* expected = d.kind == ui::ControlKind::TextBox ? L"Edit"
                                  : d.kind == ui::ControlKind::Label ? L"Static"
                                                                     : L"Button";
        EXPECT_EQ(_wcsicmp(className, expected), 0) << ui::NameText(d.name);
    }
    EXPECT_EQ(GetWindowLongW(Control({Command1, 0}), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(Control({Frame1, 0}), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
}

TEST_F(FrmMainWindowTest, KeysTabTypeThroughTheFilterAndPressCalcola) {
    std::vector<HWND> visited{GetFocus()};
    for (int i = 0; i < 4; ++i) {
        Key(VK_TAB);
        RunPosted();
        visited.push_back(GetFocus());
    }
    EXPECT_EQ(visited,
              (std::vector<HWND>{Control({Text1, 0}), Control({Text1, 1}), Control({Command1, 0}),
                                 Control({Command1, 1}), Control({Text1, 0})}));
    Type(L"1a00");
    SetFocus(Control({Text1, 1}));
    Type(L"7.5");
    PostMessageW(GetFocus(), WM_CHAR, 0x16, 1);  // Ctrl+V
    RunPosted();  // the characters first, which the loop makes of the keys
    Key(VK_ESCAPE);
    Key(VK_RETURN);
    EXPECT_EQ(RunPosted(), kStopped);
    EXPECT_EQ(Text({Text1, 0}) + L" " + Text({Text1, 1}), L"100 7,5");
    EXPECT_EQ(Results(), L"0 6 18");
}

TEST_F(FrmMainWindowTest, PasteInsertsOnlyWhatTypingWould) {
    ASSERT_TRUE(OpenClipboard(window_->Handle()));
    EmptyClipboard();
    const wchar_t pasted[] = L"2.5x";
    const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
    memcpy(GlobalLock(data), pasted, sizeof pasted);
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    SendMessageW(Control({Text1, 0}), WM_PASTE, 0, 0);
    EXPECT_EQ(Text({Text1, 0}), L"2,5");
}

TEST_F(FrmMainWindowTest, WarningIsOwnedAndTheResultsAndFocusStay) {
    SetWindowTextW(Control({Text1, 0}), L"100");
    SetWindowTextW(Control({Text1, 1}), L"700");
    SetFocus(Control({Text1, 1}));
    Key(VK_RETURN);
    RunPosted();
    ASSERT_EQ(Results(), L"9 48 0");
    SetWindowTextW(Control({Text1, 1}), L"");
    Key(VK_RETURN);
    std::wstring text, owner;
    const DWORD thread = GetCurrentThreadId();
    std::thread answerer([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        HWND box = nullptr;
        while (!(box && IsWindowVisible(box)) && std::chrono::steady_clock::now() < deadline) {
            box = FindWindowW(L"#32770", L"Attenzione");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (box) {
            wchar_t shown[64] = {};
            GetDlgItemTextW(box, 0xFFFF, shown, 64);
            text = shown;
            owner = GetWindow(box, GW_OWNER) == window_->Handle() ? L"frmMain" : L"other";
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        PostThreadMessageW(thread, WM_QUIT, kStopped, 0);
    });
    window_->Run();
    answerer.join();
    EXPECT_EQ(text, L"Controllare parametri inseriti");
    EXPECT_EQ(owner, L"frmMain");
    EXPECT_EQ(Results(), L"9 48 0");
    EXPECT_EQ(GetActiveWindow(), window_->Handle());
    EXPECT_EQ(GetFocus(), Control({Text1, 1}));
}

TEST_F(FrmMainWindowTest, ExitEndsTheMessageLoop) {
    PostMessageW(Control({Command1, 1}), BM_CLICK, 0, 0);
    EXPECT_EQ(window_->Run(), 0);
    EXPECT_FALSE(IsWindow(window_->Handle()));
}

}  // namespace
}  // namespace brenvol::win32
