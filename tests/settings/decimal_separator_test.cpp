#include "settings/decimal_separator.h"

#include <gtest/gtest.h>

#include "fake_notifier.h"
#include "regional/user_registry.h"
#include "support/faulty_registry.h"

namespace brenvol::settings {
namespace {

// Whatever the registry holds for HKEY_CURRENT_USER\Control Panel\International, "sDecimal".
TEST(LoadDecimalSeparator, ReturnsWhatTheRegistryHolds) {
    FakeNotifier notifier;
    FaultyRegistry registry;
    REG_Function reader(registry, notifier);
    EXPECT_EQ(LoadDecimalSeparator(reader), u"");  // no key: it is made, empty
    EXPECT_TRUE(registry.HasKey(kCurrentUser, "Control Panel\\International"));
    registry.SetValue(kCurrentUser, "Control Panel\\International", "sThousand", ".");
    EXPECT_EQ(LoadDecimalSeparator(reader), u"");
    regional::SeedRegionalSettings(registry, u"\u00B7");
    EXPECT_EQ(LoadDecimalSeparator(reader), u"\u00B7");
    // An error text comes back as it is: the caller cannot tell it from a value.
    registry.FailWith(FaultyRegistry::Operation::QueryValue, 5);
    EXPECT_EQ(LoadDecimalSeparator(reader), u"ERROR GETTING KEY 'sDecimal'");
    EXPECT_TRUE(notifier.shown.empty());
}

}  // namespace
}  // namespace brenvol::settings
