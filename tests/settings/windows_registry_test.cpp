// GetRegistry against the real registry (Windows, or Wine), in a scratch key of its own under
// HKEY_CURRENT_USER\Software that the test makes and removes.
#include "settings/windows_registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "fake_notifier.h"
#include "settings/decimal_separator.h"

namespace brenvol::settings {
namespace {

const std::wstring kScratch = L"Software\\Brenvol Test " + std::to_wstring(GetCurrentProcessId());

class WindowsRegistryTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratch.c_str()); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratch.c_str()); }

    // Stores `data`, with no NUL added, as a text value of the scratch key, as the system would.
    static void Store(const std::wstring& name, const std::wstring& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratch.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size() * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    std::u16string Read(const std::wstring& name) {
        return REG_Function(registry_, notifier_)
            .GetRegistry(kCurrentUserRootText, std::u16string(kScratch.begin(), kScratch.end()),
                         std::u16string(name.begin(), name.end()), u"dflt");
    }

    WindowsRegistry registry_;
    FakeNotifier notifier_;
};

TEST_F(WindowsRegistryTest, ReadsTextValuesLikeTheStandIn) {
    EXPECT_EQ(Read(L"missing"), u"dflt");  // and the key is made by the read
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kScratch.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    Store(L"one", std::wstring(L",\0", 2));
    Store(L"ninety nine", std::wstring(99, L'x') + L'\0');
    Store(L"one hundred", std::wstring(100, L'x') + L'\0');
    Store(L"empty", L"");
    EXPECT_EQ(Read(L"one"), u",");
    EXPECT_EQ(Read(L"ninety nine"), std::u16string(99, u'x'));
    EXPECT_EQ(Read(L"one hundred"), u"ERROR GETTING KEY 'one hundred'");
    EXPECT_EQ(Read(L"empty"), u"");
    EXPECT_TRUE(notifier_.shown.empty());
}

// Names and data cross the registry in the system's code page, whichever it is: a value holding
// a letter of that code page reads back as that letter.
TEST_F(WindowsRegistryTest, NamesAndDataInTheSystemsCodePage) {
    if (const char* expected = std::getenv("BRENVOL_EXPECTED_CODE_PAGE")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    // Letters the other code pages lack: the Cyrillic Zhe, the Polish l with a stroke.
    const wchar_t letter = GetACP() == 1251 ? L'\u0416' : GetACP() == 1250 ? L'\u0142' : L'\u00E9';
    Store(std::wstring(L"name ") + letter, std::wstring(L"1") + letter + L'\0');
    EXPECT_EQ(Read(std::wstring(L"name ") + letter), std::u16string(u"1") + char16_t(letter));
}

}  // namespace
}  // namespace brenvol::settings
