#include "settings/decimal_separator.h"

#include <gtest/gtest.h>

#include <functional>

#include "fake_notifier.h"
#include "regional/user_registry.h"
#include "support/faulty_registry.h"

namespace brenvol::settings {
namespace {

struct Case {
    std::string name;
    std::function<void(FaultyRegistry&)> setup;
    std::u16string expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class LoadDecimalSeparatorTable : public testing::TestWithParam<Case> {};

TEST_P(LoadDecimalSeparatorTable, ReturnsWhatTheRegistryHolds) {
    FaultyRegistry registry;
    FakeNotifier notifier;
    GetParam().setup(registry);
    REG_Function reader(registry, notifier);
    EXPECT_EQ(Narrow(LoadDecimalSeparator(reader)), Narrow(GetParam().expected));
    // Read or not, the key is there afterwards.
    EXPECT_TRUE(registry.HasKey(kCurrentUser, "Control Panel\\International"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadDecimalSeparatorTable,
    testing::Values(
        Case{"comma", [](FaultyRegistry& r) { regional::SeedRegionalSettings(r, u","); }, u","},
        Case{"point", [](FaultyRegistry& r) { regional::SeedRegionalSettings(r, u"."); }, u"."},
        Case{"non_ascii", [](FaultyRegistry& r) { regional::SeedRegionalSettings(r, u"\u00B7"); },
             u"\u00B7"},
        Case{"no_value",
             [](FaultyRegistry& r) {
                 r.SetValue(kCurrentUser, "Control Panel\\International", "sThousand",
                            std::string(".\0", 2));
             },
             u""},
        Case{"no_key", [](FaultyRegistry&) {}, u""},
        // An error text comes back as it is: the caller cannot tell it from a value.
        Case{"unreadable",
             [](FaultyRegistry& r) {
                 regional::SeedRegionalSettings(r, u",");
                 r.FailWith(FaultyRegistry::Operation::QueryValue, 5);
             },
             u"ERROR GETTING KEY 'sDecimal'"}));

}  // namespace
}  // namespace brenvol::settings
