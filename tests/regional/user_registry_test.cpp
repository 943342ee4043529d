#include <gtest/gtest.h>

#include <cstdlib>

#include "regional/number_format.h"
#include "regional/terminal_text.h"
#include "regional/user_registry.h"
#include "settings/decimal_separator.h"
#include "settings/reg_function.h"

namespace brenvol::regional {
namespace {

struct NoMessages : settings::Notifier {
    void ShowMessage(std::u16string_view, std::u16string_view, int) override { FAIL(); }
};

// The separator read from the registry is the one the number conversion uses, and the one
// the locale of this run has.
TEST(UserRegistry, HoldsTheLocalesSeparator) {
    const char* expected = std::getenv("BRENVOL_EXPECTED_SEPARATOR");
    ASSERT_NE(expected, nullptr) << "run through ctest, which names the separator";

    auto registry = UserRegistry(UserNumberFormat().decimalSeparator);
    NoMessages notifier;
    settings::REG_Function reader(*registry, notifier);
    const std::u16string separator = settings::LoadDecimalSeparator(reader);

    EXPECT_EQ(ToLocal8Bit(separator), expected);
    EXPECT_EQ(separator, UserNumberFormat().decimalSeparator);
}

}  // namespace
}  // namespace brenvol::regional
