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
    std::u16string root;
    std::u16string subKey;
    std::u16string valueName;
    std::u16string expected;
    std::u16string message;  // the message box's text, or "" for none
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

Setup Value(std::string data) {
    return [data](FaultyRegistry& r) {
        r.SetValue(kCurrentUser, "Software\\Brenvol Test", "v", data);
    };
}
Setup Text(std::string text) {
    return Value(text + '\0');
}
Setup Then(Setup first, Setup second) {
    return [=](FaultyRegistry& r) {
        first(r);
        second(r);
    };
}
Setup Fail(Op op, std::int32_t code) {
    return [=](FaultyRegistry& r) { r.FailWith(op, code); };
}
Setup Uncallable(Op op) {
    return [=](FaultyRegistry& r) { r.MakeUncallable(op); };
}
const Setup kNothing = [](FaultyRegistry&) {};

Case Read(std::string name, Setup setup, std::u16string expected, std::u16string message = u"") {
    return {std::move(name),     std::move(setup),  kHkcu, kKey, u"v",
            std::move(expected), std::move(message)};
}
Case Root(std::string name, std::u16string root, std::u16string message) {
    return {std::move(name), Text(","), std::move(root), kKey, u"v", u"", std::move(message)};
}

const std::u16string kTypeMismatch = u"GetRegistry(): Error '13', Type mismatch";
const std::u16string kOverflow = u"GetRegistry(): Error '6', Overflow";
const std::u16string kNotCallable = u"GetRegistry(): Error '453', Specified DLL function not found";
const std::u16string kGettingError = u"ERROR GETTING KEY 'v'";

class GetRegistryTable : public testing::TestWithParam<Case> {};

TEST_P(GetRegistryTable, ReturnsAndReports) {
    const Case& c = GetParam();
    FaultyRegistry registry;
    FakeNotifier notifier;
    c.setup(registry);
    REG_Function reader(registry, notifier);

    EXPECT_EQ(Narrow(reader.GetRegistry(c.root, c.subKey, c.valueName, u"dflt")),
              Narrow(c.expected));
    if (c.message.empty()) {
        EXPECT_TRUE(notifier.shown.empty());
    } else {
        ASSERT_EQ(notifier.shown.size(), 1u);
        EXPECT_EQ(Narrow(notifier.shown[0].text), Narrow(c.message));
        EXPECT_EQ(notifier.shown[0].title, u"Brenvol");
        EXPECT_EQ(notifier.shown[0].style, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetRegistryTable,
    testing::Values(
        Read("one_character", Text(","), u","),
        Read(
            "missing_value_gives_default",
            [](FaultyRegistry& r) { r.SetValue(kCurrentUser, "Software\\Brenvol Test", "w", ""); },
            u"dflt"),
        Read("missing_key_gives_default", kNothing, u"dflt"),
        Read("ninety_nine_characters", Text(std::string(99, 'x')), std::u16string(99, u'x')),
        Read("one_hundred_characters", Text(std::string(100, 'x')), kGettingError),
        Read("one_thousand_characters", Text(std::string(1000, 'x')), kGettingError),
        Read("zero_length", Value(""), u""), Read("just_the_nul", Text(""), u""),
        Read("windows_1252", Text("\x80\xE0"), u"\u20AC\u00E0"),
        // Data that is not a NUL-terminated text: the last byte still goes, and a NUL ends it.
        Read("no_terminating_nul", Value("abc"), u"ab"),
        Read("nul_inside", Value(std::string("a\0bc\0", 5)), u"a"),
        Read(
            "name_case_ignored",
            [](FaultyRegistry& r) {
                r.SetValue(kCurrentUser, "SOFTWARE\\brenvol test", "V", std::string(";\0", 2));
            },
            u";")));

INSTANTIATE_TEST_SUITE_P(
    ErrorTexts, GetRegistryTable,
    testing::Values(Read("open_fails", Then(Text(","), Fail(Op::CreateKey, 5)),
                         u"ERROR OPENING SUBKEY 'Software\\Brenvol Test'"),
                    Read("query_fails", Then(Text(","), Fail(Op::QueryValue, 5)), kGettingError),
                    Read("close_fails_replaces_value", Then(Text(","), Fail(Op::CloseKey, 6)),
                         u"ERROR CLOSING SUBKEY"),
                    Read("close_fails_replaces_default", Fail(Op::CloseKey, 6),
                         u"ERROR CLOSING SUBKEY"),
                    Case{"not_a_root", Text(","), u"-2147483640", kKey, u"v",
                         u"ERROR OPENING SUBKEY 'Software\\Brenvol Test'", u""},
                    Case{"leading_backslash", Text(","), kHkcu, u"\\Software", u"v",
                         u"ERROR OPENING SUBKEY '\\Software'", u""},
                    Case{"name_too_long", Text(","), kHkcu, std::u16string(300, u'k'), u"v",
                         u"ERROR OPENING SUBKEY '" + std::u16string(300, u'k') + u"'", u""}));

INSTANTIATE_TEST_SUITE_P(
    OwnFailures, GetRegistryTable,
    testing::Values(
        Root("letters", u"HKCU", kTypeMismatch), Root("empty", u"", kTypeMismatch),
        Root("leading_blank", u" -2147483647", kTypeMismatch),
        Root("trailing_blank", u"-2147483647 ", kTypeMismatch),
        Root("hexadecimal", u"0x80000001", kTypeMismatch),
        Root("two_signs", u"+-2147483647", kTypeMismatch), Root("lone_minus", u"-", kTypeMismatch),
        Root("full_width_digit", u"\uFF11", kTypeMismatch),
        Root("above_32_bits", u"2147483648", kOverflow),
        Root("below_32_bits", u"-2147483649", kOverflow),
        Root("far_beyond", u"99999999999999999999999", kOverflow),
        Read("open_not_callable", Then(Text(","), Uncallable(Op::CreateKey)), u"", kNotCallable),
        Read("query_not_callable", Then(Text(","), Uncallable(Op::QueryValue)), u"", kNotCallable),
        // The value was read before the failure: it is what comes back.
        Read("close_not_callable", Then(Text(","), Uncallable(Op::CloseKey)), u",", kNotCallable)));

INSTANTIATE_TEST_SUITE_P(
    OddNames, GetRegistryTable,
    testing::Values(Case{"empty_sub_key_is_the_root", kNothing, kHkcu, u"", u"v", u"dflt", u""},
                    Case{"long_value_name", Text(","), kHkcu, kKey, std::u16string(10000, u'v'),
                         u"dflt", u""},
                    Case{"empty_value_name", Text(","), kHkcu, kKey, u"", u"dflt", u""},
                    // Without an ANSI code a character becomes "?", as Windows converts it.
                    Case{"name_outside_the_code_page",
                         [](FaultyRegistry& r) {
                             r.SetValue(kCurrentUser, "Software\\Brenvol Test", "s?",
                                        std::string("!\0", 2));
                         },
                         kHkcu, kKey, u"s\u4E00", u"!", u""},
                    Case{"other_root",
                         [](FaultyRegistry& r) {
                             r.SetValue(static_cast<std::int32_t>(0x80000002),
                                        "Software\\Brenvol Test", "v", std::string("m\0", 2));
                         },
                         u"-2147483646", kKey, u"v", u"m", u""}));

TEST(GetRegistry, MissingKeyIsCreatedByTheRead) {
    FaultyRegistry registry;
    FakeNotifier notifier;
    REG_Function reader(registry, notifier);
    ASSERT_FALSE(registry.HasKey(kCurrentUser, "Software\\New\\Deep"));
    EXPECT_EQ(reader.GetRegistry(kHkcu, u"Software\\New\\Deep", u"v", u"d"), u"d");
    EXPECT_TRUE(registry.HasKey(kCurrentUser, "software\\new\\deep"));
    EXPECT_TRUE(registry.HasKey(kCurrentUser, "Software\\New"));
}

TEST(GetRegistry, ReleasesTheKey) {
    for (const bool queryCallable : {true, false}) {
        FaultyRegistry registry;
        FakeNotifier notifier;
        if (!queryCallable) {
            registry.MakeUncallable(Op::QueryValue);
        }
        REG_Function(registry, notifier).GetRegistry(kHkcu, kKey, u"v", u"");
        EXPECT_EQ(registry.OpenHandles(), 0u) << "query callable: " << queryCallable;
        EXPECT_EQ(notifier.shown.size(), queryCallable ? 0u : 1u);
    }
}

TEST(GetRegistry, OpensWithQueryEnumerateNotifyAccessOnly) {
    FaultyRegistry registry;
    FakeNotifier notifier;
    REG_Function(registry, notifier).GetRegistry(kHkcu, kKey, u"v", u"");
    const auto& call = registry.LastCreateCall();
    ASSERT_TRUE(call.has_value());
    EXPECT_EQ(call->access, 0x19u);
    EXPECT_EQ(call->reserved, 0u);
    EXPECT_EQ(call->options, 0u);
    EXPECT_EQ(call->className, "");
    EXPECT_EQ(call->security.length, 0u);
    EXPECT_EQ(call->security.securityDescriptor, nullptr);
    EXPECT_FALSE(call->security.inheritHandle);
}

}  // namespace
}  // namespace brenvol::settings
