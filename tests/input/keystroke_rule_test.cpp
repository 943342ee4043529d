#include "input/keystroke_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brenvol::input {
namespace {

// Every typed code with the separator ",": what the box receives, and whether it beeps.
TEST(KeystrokeRule, DecidesEachCode) {
    const std::vector<std::int16_t> unchanged = {27, 8, 9, 10, 13, 45, '0', '5', '9'};
    const std::vector<std::int16_t> separators = {'\\', '/', ';', ':', '.', ','};
    const std::vector<std::int16_t> refused = {0,   1,   3,   7,   11,     12,    14,    22,
                                               24,  26,  28,  ' ', '+',    '<',   'a',   'Z',
                                               127, 128, 255, -1,  -32768, 32767, 0x130, 0x12E};
    for (std::int16_t code : unchanged) {
        EXPECT_EQ(KeystrokeRule(code, u","), (KeyVerdict{code, false})) << code;
    }
    for (std::int16_t code : separators) {
        EXPECT_EQ(KeystrokeRule(code, u","), (KeyVerdict{',', false})) << code;
    }
    for (std::int16_t code : refused) {
        EXPECT_EQ(KeystrokeRule(code, u","), (KeyVerdict{0, true})) << code;
    }
}

struct SeparatorCase {
    std::u16string separator;
    KeyVerdict expected;  // for each of the six separator keys
};

class SeparatorKeys : public testing::TestWithParam<SeparatorCase> {};

TEST_P(SeparatorKeys, TypeTheFirstCharacterOfTheSeparator) {
    for (std::int16_t key : {'\\', '/', ';', ':', '.', ','}) {
        EXPECT_EQ(KeystrokeRule(key, GetParam().separator), GetParam().expected) << key;
    }
    // The other keys do not depend on it.
    EXPECT_EQ(KeystrokeRule('7', GetParam().separator), (KeyVerdict{'7', false}));
    EXPECT_EQ(KeystrokeRule('x', GetParam().separator), (KeyVerdict{0, true}));
}

INSTANTIATE_TEST_SUITE_P(
    Separators, SeparatorKeys,
    testing::Values(SeparatorCase{u".", {'.', false}}, SeparatorCase{u",x", {',', false}},
                    // An error text read in its place: its first character.
                    SeparatorCase{u"ERROR GETTING KEY 'sDecimal'", {'E', false}},
                    // Through the code page: its ANSI code, or silently nothing without one.
                    SeparatorCase{u"\u2019", {0x92, false}},
                    SeparatorCase{u"\u00B7", {0xB7, false}}, SeparatorCase{u"", {0, false}},
                    SeparatorCase{u"\u066B", {0, false}}));

}  // namespace
}  // namespace brenvol::input
