#include <gtest/gtest.h>

#include "regional/number_format.h"
#include "regional/terminal_text.h"
#include "regional/user_registry.h"
#include "settings/decimal_separator.h"
#include "support/registry_doubles.h"

// The user's registry holds the separator of the run's locale, which the conversion uses too.
TEST(UserRegistry, HoldsTheLocalesSeparator) {
    auto registry =
        brenvol::regional::UserRegistry(brenvol::regional::UserNumberFormat().decimalSeparator);
    FakeNotifier notifier;
    brenvol::settings::REG_Function reader(*registry, notifier);
    const std::u16string separator = brenvol::settings::LoadDecimalSeparator(reader);
    EXPECT_EQ(brenvol::regional::ToLocal8Bit(separator), std::getenv("BRENVOL_EXPECTED_SEPARATOR"));
    EXPECT_EQ(separator, brenvol::regional::UserNumberFormat().decimalSeparator);
    EXPECT_TRUE(notifier.shown.empty());
}
