#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace brenvol::calc {
namespace {

struct ParseCase {
    std::u16string text;
    std::u16string separator;
    std::optional<double> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << std::string(c.text.begin(), c.text.end()) << "\" with separator \""
        << std::string(c.separator.begin(), c.separator.end()) << '"';
}

class ParseNumberTable : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTable, ConvertsOrRefuses) {
    const auto& c = GetParam();
    const auto got = ParseNumber(c.text, NumberFormat{c.separator});
    ASSERT_EQ(got.has_value(), c.expected.has_value());
    if (got) {
        EXPECT_EQ(*got, *c.expected);
        EXPECT_EQ(std::signbit(*got), std::signbit(*c.expected));
    }
}

constexpr auto kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Accepted, ParseNumberTable,
    testing::Values(
        ParseCase{u"100", u".", 100}, ParseCase{u" \t100 ", u".", 100}, ParseCase{u"+5", u".", 5},
        ParseCase{u"-5", u".", -5}, ParseCase{u"1,5", u",", 1.5}, ParseCase{u",5", u",", 0.5},
        ParseCase{u"5,", u",", 5}, ParseCase{u"1,5e-1", u",", 0.15}, ParseCase{u"1E+2", u".", 100},
        ParseCase{u"15", u"", 15}, ParseCase{u"1\u066B5", u"\u066B", 1.5},
        // Correctly rounded: halfway between two doubles goes to the even one.
        ParseCase{u"9007199254740993", u".", 9007199254740992.0},
        ParseCase{u"1.7976931348623157e308", u".", std::numeric_limits<double>::max()},
        // Too small for a double: zero, with its sign; however the digits put it.
        ParseCase{u"-1e-400", u".", -0.0}, ParseCase{u"0.000001e-320", u".", 0.0},
        ParseCase{u"1e-99999999999999999999", u".", 0.0}, ParseCase{u"-0", u".", -0.0}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ParseNumberTable,
    testing::Values(ParseCase{u"", u".", kNone}, ParseCase{u" ", u".", kNone},
                    ParseCase{u"-", u".", kNone}, ParseCase{u"+-5", u".", kNone},
                    ParseCase{u"5-", u".", kNone}, ParseCase{u"1,2,3", u",", kNone},
                    ParseCase{u"1.5", u",", kNone}, ParseCase{u",", u",", kNone},
                    ParseCase{u"1a", u".", kNone}, ParseCase{u"e5", u".", kNone},
                    ParseCase{u"1e", u".", kNone}, ParseCase{u"1e+", u".", kNone},
                    ParseCase{u"1 5", u".", kNone}, ParseCase{u"0x10", u".", kNone},
                    ParseCase{u"inf", u".", kNone}, ParseCase{u"-1e400", u".", kNone},
                    ParseCase{u"10e308", u".", kNone},
                    ParseCase{u"1e99999999999999999999", u".", kNone},
                    ParseCase{u"\uFF11", u".", kNone}, ParseCase{u"5\u00A0", u".", kNone}));

struct FormatCase {
    double value;
    std::u16string expected;
};

class FormatWholeTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatWholeTable, PrintsPlainDigits) {
    const auto got = FormatWhole(GetParam().value);
    EXPECT_EQ(std::string(got.begin(), got.end()),
              std::string(GetParam().expected.begin(), GetParam().expected.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatWholeTable,
    testing::Values(
        FormatCase{14, u"14"}, FormatCase{0, u"0"}, FormatCase{-0.0, u"0"}, FormatCase{-10, u"-10"},
        FormatCase{999999999999999, u"999999999999999"}, FormatCase{-1e15, u"-1000000000000000"},
        FormatCase{123456789012345678.0, u"123456789012345680"},
        FormatCase{
            std::numeric_limits<double>::max(),
            u"17976931348623157081452742373170435679807056752584499659891747680315726078002853"
            u"87605895586327668781715404589535143824642343213268894641827684675467035375169860"
            u"49910576551282076245490090389328944075868508455133942304583236903222948165808559"
            u"332123348274797826204144723168738177180919299881250404026184124858368"}));

}  // namespace
}  // namespace brenvol::calc
