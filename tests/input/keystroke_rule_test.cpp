#include "input/keystroke_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace brenvol::input {
namespace {

struct Case {
    std::int16_t code;
    std::u16string separator;
    KeyVerdict expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << "code " << c.code << " with separator of " << c.separator.size() << " characters";
}

class KeystrokeRuleTable : public testing::TestWithParam<Case> {};

TEST_P(KeystrokeRuleTable, Decides) {
    const auto& c = GetParam();
    const KeyVerdict got = KeystrokeRule(c.code, c.separator);
    EXPECT_EQ(got.code, c.expected.code);
    EXPECT_EQ(got.beep, c.expected.beep);
}

constexpr KeyVerdict Pass(std::int16_t code) {
    return {code, false};
}
constexpr KeyVerdict kBeep{0, true};
constexpr KeyVerdict kSilent{0, false};
const std::u16string kError = u"ERROR OPENING SUBKEY 'Control Panel\\International'";

INSTANTIATE_TEST_SUITE_P(EditingKeysAndMinusPass, KeystrokeRuleTable,
                         testing::Values(Case{27, u",", Pass(27)}, Case{8, u",", Pass(8)},
                                         Case{9, u",", Pass(9)}, Case{10, u",", Pass(10)},
                                         Case{13, u",", Pass(13)}, Case{45, u",", Pass(45)},
                                         Case{45, u"", Pass(45)}));

INSTANTIATE_TEST_SUITE_P(DigitsPass, KeystrokeRuleTable,
                         testing::Values(Case{'0', u",", Pass('0')}, Case{'5', u",", Pass('5')},
                                         Case{'9', u".", Pass('9')}, Case{'9', u"", Pass('9')}));

INSTANTIATE_TEST_SUITE_P(PunctuationBecomesTheSeparator, KeystrokeRuleTable,
                         testing::Values(Case{'.', u",", Pass(',')}, Case{':', u",", Pass(',')},
                                         Case{',', u",", Pass(',')}, Case{'\\', u",", Pass(',')},
                                         Case{'/', u",", Pass(',')}, Case{';', u",", Pass(',')},
                                         Case{',', u".", Pass('.')}, Case{';', u".", Pass('.')},
                                         // Only the first character of the text counts.
                                         Case{'.', u",x", Pass(',')}, Case{'.', kError, Pass('E')},
                                         Case{'/', kError, Pass('E')},
                                         // A separator outside ASCII arrives as its ANSI code.
                                         Case{'.', u"\u2019", Pass(0x92)},
                                         Case{'.', u"\u00B7", Pass(0xB7)}));

INSTANTIATE_TEST_SUITE_P(NoSeparatorDiscardsSilently, KeystrokeRuleTable,
                         testing::Values(Case{'.', u"", kSilent}, Case{',', u"", kSilent},
                                         Case{'\\', u"", kSilent}, Case{'/', u"", kSilent},
                                         Case{';', u"", kSilent}, Case{':', u"", kSilent},
                                         // No ANSI code for it: there is nothing to insert either.
                                         Case{'.', u"\u066B", kSilent}));

INSTANTIATE_TEST_SUITE_P(
    EverythingElseBeeps, KeystrokeRuleTable,
    testing::Values(Case{'a', u",", kBeep}, Case{'Z', u",", kBeep}, Case{' ', u",", kBeep},
                    Case{'+', u",", kBeep}, Case{'e', u",", kBeep}, Case{'_', u",", kBeep},
                    // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and the other control codes.
                    Case{3, u",", kBeep}, Case{22, u",", kBeep}, Case{24, u",", kBeep},
                    Case{26, u",", kBeep}, Case{1, u",", kBeep}, Case{0, u",", kBeep},
                    Case{127, u",", kBeep}, Case{128, u",", kBeep}, Case{0xE0, u",", kBeep},
                    Case{255, u",", kBeep}, Case{0x2C, u"", kSilent}, Case{-1, u",", kBeep},
                    Case{-32768, u",", kBeep}, Case{32767, u",", kBeep},
                    // Codes whose low byte is a digit or a separator key are not those keys.
                    Case{0x130, u",", kBeep}, Case{0x12E, u",", kBeep}));

}  // namespace
}  // namespace brenvol::input
