#include <gtest/gtest.h>

#include "regional/number_format.h"
#include "regional/terminal_text.h"

// The number conversion takes the separator of the run's locale.
TEST(UserNumberFormat, TakesTheLocalesSeparator) {
    EXPECT_EQ(
        brenvol::regional::ToLocal8Bit(brenvol::regional::UserNumberFormat().decimalSeparator),
        std::getenv("BRENVOL_EXPECTED_SEPARATOR"));
}
