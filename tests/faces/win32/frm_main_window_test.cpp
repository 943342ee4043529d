// The Win32 window, real, under Windows or Wine: what only the face can get wrong. Keys are
// posted as the keyboard delivers them and run through the window's own message loop.
#include "faces/win32/frm_main_window.h"

#include <gtest/gtest.h>

#include <thread>

#include "faces/win32/window_picture.h"
#include "regional/user_registry.h"
#include "support/picture_diff.h"
#include "support/registry_doubles.h"

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
    std::u16string Results() const {
        return window_->Text({Text2, 0}) + u" " + window_->Text({Text2, 1}) + u" " +
               window_->Text({Text2, 2});
    }
    // Keys pressed where the focus is; the loop's TranslateMessage makes their characters.
    static void Keys(std::initializer_list<UINT> keys) {
        for (UINT vk : keys) {
            const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
            PostMessageW(GetFocus(), WM_KEYDOWN, vk, scan | 1);
            PostMessageW(GetFocus(), WM_KEYUP, vk, scan | 0xC0000001);
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

// After a calculation at 96 dpi, with no caret blinking, the window looks as its picture.
TEST_F(FrmMainWindowTest, LooksAsDesigned) {
    ASSERT_EQ(GetDpiForWindow(window_->Handle()), 96u);
    window_->SetText({Text1, 0}, u"100");
    window_->SetText({Text1, 1}, u"700");
    SendMessageW(Control({Command1, 0}), BM_CLICK, 0, 0);
    SetFocus(Control({Command1, 0}));
    const Picture got = CaptureClientArea(window_->Handle());
    const std::string reference = BRENVOL_PICTURES "/frm_main_window.bmp";
    Picture diff;
    const int differing = test::DifferingPixels(got, ReadBmp(reference).value_or(Picture{}), diff);
    if (differing > test::kAllowedPixels) {
        WriteBmp(got, "frm_main_window.new.bmp");
        WriteBmp(diff, "frm_main_window.diff.bmp");
        FAIL() << differing << " pixels differ; see *.new.bmp, *.diff.bmp";
    }
}

TEST_F(FrmMainWindowTest, KeysTabTypeThroughTheFilterPasteAndPressCalcola) {
    EXPECT_EQ(GetFocus(), Control({Text1, 0}));
    for (ui::ControlName next :
         {ui::ControlName{Text1, 1}, {Command1, 0}, {Command1, 1}, {Text1, 0}}) {
        Keys({VK_TAB});
        RunPosted();
        EXPECT_EQ(GetFocus(), Control(next)) << ui::NameText(next);
    }
    Keys({'1', 'A', '0', '0'});
    SetFocus(Control({Text1, 1}));
    Keys({'7', VK_OEM_PERIOD});
    PostMessageW(GetFocus(), WM_CHAR, 0x16, 1);  // Ctrl+V
    RunPosted();  // the characters first, which the loop makes of the keys
    // A paste inserts only what typing would.
    const wchar_t pasted[] = L"5x";
    ASSERT_TRUE(OpenClipboard(window_->Handle()) && EmptyClipboard());
    const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
    memcpy(GlobalLock(data), pasted, sizeof pasted);
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    SendMessageW(GetFocus(), WM_PASTE, 0, 0);
    Keys({VK_ESCAPE, VK_RETURN});
    EXPECT_EQ(RunPosted(), kStopped);
    EXPECT_EQ(window_->Text({Text1, 0}) + u" " + window_->Text({Text1, 1}), u"100 7,5");
    EXPECT_EQ(Results(), u"0 6 18");
}

TEST_F(FrmMainWindowTest, WarnsKeepingResultsAndFocusAndExitEnds) {
    window_->SetText({Text1, 0}, u"100");
    window_->SetText({Text1, 1}, u"700");
    SetFocus(Control({Text1, 1}));
    Keys({VK_RETURN});
    RunPosted();
    window_->SetText({Text1, 1}, u"");
    Keys({VK_RETURN});
    std::wstring shown;
    std::thread answerer([&, thread = GetCurrentThreadId()] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !(box && IsWindowVisible(box)); ++i) {
            box = FindWindowW(L"#32770", L"Attenzione");
            Sleep(20);
        }
        wchar_t text[64] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 64);
        shown =
            text + std::wstring(GetWindow(box, GW_OWNER) == window_->Handle() ? L" (owned)" : L"");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        PostThreadMessageW(thread, WM_QUIT, kStopped, 0);
    });
    window_->Run();
    answerer.join();
    EXPECT_EQ(shown, L"Controllare parametri inseriti (owned)");
    EXPECT_EQ(Results(), u"9 48 0");
    EXPECT_EQ(GetActiveWindow(), window_->Handle());
    EXPECT_EQ(GetFocus(), Control({Text1, 1}));
    SetFocus(Control({Command1, 1}));
    Keys({VK_RETURN});  // Enter presses the focused "Exit", which ends the message loop
    EXPECT_EQ(RunPosted(), 0);
}

}  // namespace
}  // namespace brenvol::win32
