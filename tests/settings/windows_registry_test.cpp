// GetRegistry against the real registry (Windows, or Wine), in a scratch key of its own under
// HKEY_CURRENT_USER\Software that the test makes and removes.
#include "settings/windows_registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "settings/decimal_separator.h"
#include "support/registry_doubles.h"

namespace brenvol::settings {
namespace {

// Values stored as the system stores them (names and texts in UTF-16), then read through the
// ANSI entry points: in the system's code page, whichever it is.
TEST(WindowsRegistry, ReadsLikeTheStandInInTheSystemsCodePage) {
    if (const char* expected = std::getenv("BRENVOL_EXPECTED_CODE_PAGE")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    // A letter the other code pages lack: the Cyrillic Zhe, the Polish l with a stroke, a
    // hiragana of two bytes, a Devanagari letter of three.
    const std::map<UINT, wchar_t> letters = {
        {1251, L'\u0416'}, {1250, L'\u0142'}, {932, L'\u3042'}, {65001, L'\u0939'}};
    const wchar_t letter = letters.contains(GetACP()) ? letters.at(GetACP()) : L'\u00E9';
    const std::wstring scratch =
        L"Software\\Brenvol Test " + std::to_wstring(GetCurrentProcessId());
    WindowsRegistry registry;
    FakeNotifier notifier;
    const auto read = [&](std::wstring name) {
        return REG_Function(registry, notifier)
            .GetRegistry(kCurrentUserRootText, std::u16string(scratch.begin(), scratch.end()),
                         std::u16string(name.begin(), name.end()), u"dflt");
    };
    EXPECT_EQ(read(L"missing"), u"dflt");
    HKEY made = nullptr;  // by the read, which asked for a key that was not there
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, scratch.c_str(), 0, KEY_READ, &made), 0);
    RegCloseKey(made);
    for (const std::wstring& data : {std::wstring(1, letter), std::wstring(100, letter)}) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, scratch.c_str(), data.c_str(), REG_SZ,
                                  data.c_str(), (data.size() + 1) * sizeof(wchar_t)),
                  0);
        const std::u16string text(data.begin(), data.end());
        EXPECT_EQ(read(data), text.size() == 1 ? text : u"ERROR GETTING KEY '" + text + u"'");
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, scratch.c_str());
    EXPECT_TRUE(notifier.shown.empty());
}

}  // namespace
}  // namespace brenvol::settings
