#include "input/keystroke_rule.h"

#include <gtest/gtest.h>

namespace brenvol::input {
namespace {

// The six keys type the first character of the separator, through the code page: its ANSI
// code, or silently nothing when there is none. (The rule with the separator ",", in every face:
// window_cases.txt.)
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
