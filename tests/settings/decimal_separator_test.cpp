#include "settings/decimal_separator.h"

#include <gtest/gtest.h>

#include <functional>

#include "fake_notifier.h"

namespace brenvol::settings {
namespace {

struct Case {
    std::string name;
    std::function<void(MemoryRegistry&)> setup;
    std::u16string expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class LoadDecimalSeparatorTable : public testing::TestWithParam<Case> {};

TEST_P(LoadDecimalSeparatorTable, ReturnsWhatTheRegistryHolds) {
    MemoryRegistry registry;
    FakeNotifier notifier;
    GetParam().setup(registry);
    REG_Function reader(registry, notifier);
    EXPECT_EQ(Narrow(LoadDecimalSeparator(reader)), Narrow(GetParam().expected));
    // Read or not, the key is there afterwards.
    EXPECT_TRUE(registry.HasKey(kCurrentUser, "Control Panel\\International"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoadDecimalSeparatorTable,
    testing::Values(Case{"comma", [](MemoryRegistry& r) { SeedRegionalSettings(r, u","); }, u","},
                    Case{"point", [](MemoryRegistry& r) { SeedRegionalSettings(r, u"."); }, u"."},
                    Case{"non_ascii", [](MemoryRegistry& r) { SeedRegionalSettings(r, u"\u00B7"); },
                         u"\u00B7"},
                    Case{"no_value",
                         [](MemoryRegistry& r) {
                             r.SetValue(kCurrentUser, "Control Panel\\International", "sThousand",
                                        std::string(".\0", 2));
                         },
                         u""},
                    Case{"no_key", [](MemoryRegistry&) {}, u""},
                    // An error text comes back as it is: the caller cannot tell it from a value.
                    Case{"unreadable",
                         [](MemoryRegistry& r) {
                             SeedRegionalSettings(r, u",");
                             r.FailWith(MemoryRegistry::Operation::QueryValue, 5);
                         },
                         u"ERROR GETTING KEY 'sDecimal'"}));

TEST(SeedRegionalSettings, StoresAText) {
    MemoryRegistry registry;
    SeedRegionalSettings(registry, u",");
    KeyHandle key = 0;
    std::uint32_t disposition = 0;
    ASSERT_EQ(registry.CreateKey(kCurrentUser, "Control Panel\\International", 0, "", 0, 0x19, {},
                                 key, disposition),
              kSuccess);
    unsigned char data[4] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof data;
    ASSERT_EQ(registry.QueryValue(key, "sDecimal", type, data, size), kSuccess);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(data[0], ',');
    EXPECT_EQ(data[1], '\0');
}

}  // namespace
}  // namespace brenvol::settings
