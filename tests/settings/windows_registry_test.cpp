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

const std::string kScratch = "Software\\Brenvol Test " + std::to_string(GetCurrentProcessId());
const std::u16string kScratchText(kScratch.begin(), kScratch.end());

class WindowsRegistryTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratch.c_str()); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratch.c_str()); }

    // Stores `data` as it stands (no NUL is added) as a REG_SZ value of the scratch key.
    static void Store(const char* name, const std::string& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kScratch.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static bool ScratchExists() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kScratch.c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }
    std::u16string Read(const std::u16string& name) {
        return REG_Function(registry_, notifier_)
            .GetRegistry(kCurrentUserRootText, kScratchText, name, u"dflt");
    }

    WindowsRegistry registry_;
    FakeNotifier notifier_;
};

TEST_F(WindowsRegistryTest, ReadsTextValuesLikeTheStandIn) {
    Store("one", std::string(",\0", 2));
    Store("ninety nine", std::string(99, 'x') + '\0');
    Store("one hundred", std::string(100, 'x') + '\0');
    Store("empty", "");
    EXPECT_EQ(Read(u"one"), u",");
    EXPECT_EQ(Read(u"ninety nine"), std::u16string(99, u'x'));
    EXPECT_EQ(Read(u"one hundred"), u"ERROR GETTING KEY 'one hundred'");
    EXPECT_EQ(Read(u"empty"), u"");
    EXPECT_EQ(Read(u"missing"), u"dflt");
    EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(WindowsRegistryTest, MissingKeyIsCreatedByTheRead) {
    ASSERT_FALSE(ScratchExists());
    EXPECT_EQ(Read(u"v"), u"dflt");
    EXPECT_TRUE(ScratchExists());
}

TEST_F(WindowsRegistryTest, BadRootIsReportedOnce) {
    const auto result =
        REG_Function(registry_, notifier_).GetRegistry(u"HKCU", kScratchText, u"v", u"dflt");
    EXPECT_EQ(result, u"");
    ASSERT_EQ(notifier_.shown.size(), 1u);
    EXPECT_EQ(notifier_.shown[0].text, u"GetRegistry(): Error '13', Type mismatch");
}

// Names and data cross the registry in the system's code page, whichever it is: a value holding
// a letter of that code page, stored by the system, reads back as that letter.
TEST_F(WindowsRegistryTest, NamesAndDataInTheSystemsCodePage) {
    if (const char* expected = std::getenv("BRENVOL_EXPECTED_CODE_PAGE")) {
        ASSERT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
    }
    // A letter that the other code pages lack: the Cyrillic Zhe, the Polish l with a stroke.
    const wchar_t letter = GetACP() == 1251 ? L'\u0416' : GetACP() == 1250 ? L'\u0142' : L'\u00E9';
    const std::wstring name = std::wstring(L"name ") + letter;
    const std::wstring data = std::wstring(L"1") + letter;
    HKEY key = nullptr;
    const std::wstring scratch(kScratch.begin(), kScratch.end());
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    EXPECT_EQ(Read(std::u16string(name.begin(), name.end())),
              std::u16string(data.begin(), data.end()));
}

}  // namespace
}  // namespace brenvol::settings
