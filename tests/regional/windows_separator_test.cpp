#include <gtest/gtest.h>

#include "regional/number_format.h"
#include "settings/decimal_separator.h"
#include "settings/windows_registry.h"
#include "support/registry_doubles.h"

// The user's registry holds the separator the number conversion takes, which the window reads.
TEST(UserRegistry, HoldsTheConversionsSeparator) {
    brenvol::settings::WindowsRegistry registry;
    FakeNotifier notifier;
    brenvol::settings::REG_Function reader(registry, notifier);
    EXPECT_EQ(brenvol::settings::LoadDecimalSeparator(reader),
              brenvol::regional::UserNumberFormat().decimalSeparator);
    EXPECT_TRUE(notifier.shown.empty());
}
