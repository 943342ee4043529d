#include "input/keystroke_rule.h"

#include <gtest/gtest.h>

namespace brenvol::input {
namespace {

// Every typed code with the separator ",": what the box receives, and whether it beeps.
TEST(KeystrokeRule, DecidesEachCode) {
    for (std::int16_t code : {27, 8, 9, 10, 13, 45, int{'0'}, int{'5'}, int{'9'}}) {
        EXPECT_EQ(KeystrokeRule(code, u","), (KeyVerdict{code, false})) << code;
    }
    for (std::int16_t code : {'\\', '/', ';', ':', '.', ','}) {
        EXPECT_EQ(KeystrokeRule(code, u","), (KeyVerdict{',', false})) << code;
    }
    // Control codes, space and punctuation around the accepted ones, letters, codes beyond a byte.
    for (int code : {0,  1,  3,  7,  11,  12,  14,  22, 24,     26,    28,    32,
                     43, 60, 97, 90, 127, 128, 255, -1, -32768, 32767, 0x130, 0x12E}) {
        EXPECT_EQ(KeystrokeRule(static_cast<std::int16_t>(code), u","), (KeyVerdict{0, true}))
            << code;
    }
}

// The six keys type the first character of the separator, through the code page: its ANSI
// code, or silently nothing when there is none.
TEST(KeystrokeRule, SeparatorKeysTypeTheSeparatorsFirstCharacter) {
    const struct {
        std::u16string separator;
        std::int16_t code;
    } cases[] = {{u".", '.'},       {u",x", ','},      {u"ERROR GETTING KEY 'sDecimal'", 'E'},
                 {u"\u2019", 0x92}, {u"\u00B7", 0xB7}, {u"", 0},
                 {u"\u066B", 0}};
    for (const auto& c : cases) {
        for (std::int16_t key : {'\\', '/', ';', ':', '.', ','}) {
            EXPECT_EQ(KeystrokeRule(key, c.separator), (KeyVerdict{c.code, false})) << key;
        }
    }
}

}  // namespace
}  // namespace brenvol::input
