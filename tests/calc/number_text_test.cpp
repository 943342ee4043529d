#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>

namespace brenvol::calc {
namespace {

std::string Ascii(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(ParseNumber, ConvertsOrRefusesWithTheSeparator) {
    constexpr auto kNo = std::nullopt;
    const struct {
        std::u16string text, separator;
        std::optional<double> expected;
    } cases[] = {
        // clang-format off
        {u" \t100 ", u".", 100}, {u"+5", u".", 5}, {u"-5", u".", -5}, {u"1,5", u",", 1.5},
        {u",5", u",", 0.5}, {u"5,", u",", 5}, {u"1,5e-1", u",", 0.15}, {u"1E+2", u".", 100},
        {u"15", u"", 15}, {u"1\u066B5", u"\u066B", 1.5},
        // Correctly rounded: halfway between two doubles goes to the even one.
        {u"9007199254740993", u".", 9007199254740992.0},
        {u"1.7976931348623157e308", u".", std::numeric_limits<double>::max()},
        // Too small for a double: zero, with its sign, however the digits put it; too large: no.
        {u"-1e-400", u".", -0.0}, {u"0.000001e-320", u".", 0.0}, {u"-0", u".", -0.0},
        {u"1e-99999999999999999999", u".", 0.0}, {u"10e308", u".", kNo}, {u"-1e400", u".", kNo},
        {u"1e99999999999999999999", u".", kNo}, {u"", u".", kNo}, {u" ", u".", kNo},
        {u"-", u".", kNo}, {u"+-5", u".", kNo}, {u"1,2,3", u",", kNo}, {u"1.5", u",", kNo},
        {u",", u",", kNo}, {u"1a", u".", kNo}, {u"e5", u".", kNo}, {u"1e", u".", kNo},
        {u"1 5", u".", kNo}, {u"\uFF11", u".", kNo}, {u"5\u00A0", u".", kNo}
        // clang-format on
    };
    for (const auto& c : cases) {
        const auto got = ParseNumber(c.text, NumberFormat{c.separator});
        EXPECT_EQ(got, c.expected) << Ascii(c.text);
        EXPECT_EQ(got && std::signbit(*got), c.expected && std::signbit(*c.expected));
    }
}

// Every build reads number_corpus.txt alike, to the last bit: "text", a tab, then the double's
// bits in hex or "-" for no value. The texts are hard cases: halfway, subnormal, at the edges of
// the range, hundreds of digits.
TEST(ParseNumber, ReadsTheSharedCorpusToTheLastBit) {
    std::ifstream corpus(BRENVOL_NUMBER_CORPUS);
    std::string text, bits;
    int read = 0;
    for (; std::getline(corpus, text, '\t') && std::getline(corpus, bits); ++read) {
        const auto got = ParseNumber(std::u16string(text.begin(), text.end()), NumberFormat{});
        char hex[17] = "-";
        unsigned long long value = 0;
        if (got) {
            std::memcpy(&value, &*got, sizeof value);  // WebAssembly's library has no bit_cast
            std::snprintf(hex, sizeof hex, "%016llx", value);
        }
        EXPECT_EQ(hex, bits) << text;
    }
    EXPECT_GT(read, 80);
}

TEST(FormatWhole, PrintsEveryDigitAndNoNegativeZero) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        // clang-format off
        {14, "14"}, {-0.0, "0"}, {-10, "-10"}, {999999999999999, "999999999999999"},
        {-1e15, "-1000000000000000"}, {123456789012345678.0, "123456789012345680"},
        {1e19, "10000000000000000000"}, {0x1p100, "1267650600228229401496703205376"},
        {0x1p64 - 2048, "18446744073709549568"}, {0x1p64, "18446744073709551616"},
        {-0x1.fffffffffffffp+69, "-1180591620717411172352"},
        {DBL_MAX, "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632766878171540458953514382464234321326889464182768467546703537516986049910576551282076245490090389328944075868508455133942304583236903222948165808559332123348274797826204144723168738177180919299881250404026184124858368"}
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Ascii(FormatWhole(c.value)), c.expected);
    }
}

}  // namespace
}  // namespace brenvol::calc
