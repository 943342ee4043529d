#include "settings/reg_function.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fake_notifier.h"
#include "support/faulty_registry.h"

namespace brenvol::settings {
namespace {

using Op = FaultyRegistry::Operation;
using Setup = std::function<void(FaultyRegistry&)>;

const std::u16string kHkcu = u"-2147483647";
const std::u16string kKey = u"Software\\Brenvol Test";

struct Case {
    std::string name;
    Setup setup;
    std::u16string expected;
    std::u16string message = u"";  // the message box's text, or "" for none
    std::u16string root = kHkcu;
    std::u16string subKey = kKey;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

Setup Value(std::string data, std::string name = "v") {
    return
        [=](FaultyRegistry& r) { r.SetValue(kCurrentUser, "Software\\Brenvol Test", name, data); };
}
Setup Text(const std::string& text) {
    return Value(text + '\0');
}
// A value, then faults: each operation fails with its code (0: works; -1: cannot be called).
Setup Faults(std::int32_t create, std::int32_t query, std::int32_t close) {
    return [=](FaultyRegistry& r) {
        Text(",")(r);
        for (auto [op, code] :
             {std::pair{Op::CreateKey, create}, {Op::QueryValue, query}, {Op::CloseKey, close}}) {
            if (code == -1) {
                r.MakeUncallable(op);
            } else if (code != 0) {
                r.FailWith(op, code);
            }
        }
    };
}
const Setup kNothing = [](FaultyRegistry&) {};

const std::u16string kTypeMismatch = u"GetRegistry(): Error '13', Type mismatch";
const std::u16string kNotCallable = u"GetRegistry(): Error '453', Specified DLL function not found";
const std::u16string kGettingError = u"ERROR GETTING KEY 'v'";
const std::u16string kOpeningError = u"ERROR OPENING SUBKEY 'Software\\Brenvol Test'";

class GetRegistryTable : public testing::TestWithParam<Case> {};

// Every call leaves the key closed, unless closing it is what fails.
TEST_P(GetRegistryTable, ReturnsReportsAndReleases) {
    const Case& c = GetParam();
    FaultyRegistry registry;
    FakeNotifier notifier;
    c.setup(registry);
    const std::u16string got =
        REG_Function(registry, notifier).GetRegistry(c.root, c.subKey, u"v", u"dflt");
    EXPECT_EQ(Narrow(got), Narrow(c.expected));
    if (c.message.empty()) {
        EXPECT_TRUE(notifier.shown.empty());
    } else {
        ASSERT_EQ(notifier.shown.size(), 1u);
        EXPECT_EQ(Narrow(notifier.shown[0].text), Narrow(c.message));
        EXPECT_EQ(notifier.shown[0].title, u"Brenvol");
        EXPECT_EQ(notifier.shown[0].style, 0);
    }
    EXPECT_EQ(registry.OpenHandles(), c.name.starts_with("close") ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetRegistryTable,
    testing::Values(
        Case{"one_character", Text(","), u","}, Case{"missing_value", Value("", "w"), u"dflt"},
        Case{"missing_key", kNothing, u"dflt"},
        Case{"ninety_nine_characters", Text(std::string(99, 'x')), std::u16string(99, u'x')},
        Case{"one_hundred_characters", Text(std::string(100, 'x')), kGettingError},
        // The buffer is not cleared between reads: the sizes alone say what is text.
        Case{"zero_length", Value(""), u""}, Case{"just_the_nul", Text(""), u""},
        Case{"no_terminating_nul", Value("abc"), u"ab"},
        Case{"nul_inside", Value(std::string("a\0bc\0", 5)), u"a"},
        Case{"code_page", Text("\x80\xE0"), u"\u20AC\u00E0"},
        Case{"other_root",
             [](FaultyRegistry& r) {
                 r.SetValue(static_cast<std::int32_t>(0x80000002), "Software\\Brenvol Test", "v",
                            std::string("m\0", 2));
             },
             u"m", u"", u"-2147483646"},
        Case{"key_name_of_255", kNothing, u"dflt", u"", kHkcu, std::u16string(255, u'k')},
        Case{"key_name_of_256", kNothing,
             u"ERROR OPENING SUBKEY '" + std::u16string(256, u'k') + u"'", u"", kHkcu,
             std::u16string(256, u'k')}));

INSTANTIATE_TEST_SUITE_P(
    Failures, GetRegistryTable,
    testing::Values(Case{"open_fails", Faults(5, 0, 0), kOpeningError},
                    Case{"query_fails", Faults(0, 5, 0), kGettingError},
                    Case{"query_does_not_fit", Faults(0, 234, 0), kGettingError},
                    Case{"close_fails", Faults(0, 0, 6), u"ERROR CLOSING SUBKEY"},
                    Case{"close_fails_after_the_query", Faults(0, 5, 6), u"ERROR CLOSING SUBKEY"},
                    Case{"not_a_root", kNothing, kOpeningError, u"", u"-2147483640"},
                    // Failures of the reader's own: shown, and what was read so far comes back.
                    Case{"open_not_callable", Faults(-1, 0, 0), u"", kNotCallable},
                    Case{"query_not_callable", Faults(0, -1, 0), u"", kNotCallable},
                    Case{"close_not_callable", Faults(0, 0, -1), u",", kNotCallable},
                    Case{"root_of_letters", kNothing, u"", kTypeMismatch, u"HKCU"},
                    Case{"root_beyond_ascii", kNothing, u"", kTypeMismatch, u"\uFF11"},
                    Case{"root_of_two_signs", kNothing, u"", kTypeMismatch, u"+-2147483647"},
                    Case{"root_beyond_32_bits", kNothing, u"",
                         u"GetRegistry(): Error '6', Overflow", u"2147483648"}));

TEST(GetRegistry, CreatesAMissingKeyAndCallsTheRegistryAsWindowsWants) {
    FaultyRegistry registry;
    FakeNotifier notifier;
    EXPECT_EQ(
        REG_Function(registry, notifier).GetRegistry(kHkcu, u"Software\\New\\Deep", u"v", u"d"),
        u"d");
    EXPECT_TRUE(registry.HasKey(kCurrentUser, "software\\new\\deep"));
    EXPECT_TRUE(registry.HasKey(kCurrentUser, "Software\\New"));
    EXPECT_EQ(registry.LastCreateCall()->access, 0x19u);  // not the full KEY_READ
    EXPECT_EQ(registry.LastQueryCall()->type, kRegSz);
    EXPECT_EQ(registry.LastQueryCall()->size, 100u);
}

}  // namespace
}  // namespace brenvol::settings
