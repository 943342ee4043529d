#include "calc/charge_time.h"

#include <gtest/gtest.h>

#include <string>

namespace brenvol::calc {
namespace {

struct Case {
    std::u16string current, capacity;
    std::string expected;  // "Rejected", "Failed", or the three result texts
    std::u16string separator = u".";
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << std::string(c.current.begin(), c.current.end()) << " mA, "
        << std::string(c.capacity.begin(), c.capacity.end()) << " mAh";
}

std::string Describe(const Outcome& outcome) {
    if (const auto* r = std::get_if<Results>(&outcome)) {
        const std::u16string all = r->hours + u' ' + r->minutes + u' ' + r->seconds;
        return std::string(all.begin(), all.end());
    }
    return std::holds_alternative<Rejected>(outcome) ? "Rejected" : "Failed";
}

class CalculateTable : public testing::TestWithParam<Case> {};

TEST_P(CalculateTable, GivesTheOutcome) {
    const Case& c = GetParam();
    EXPECT_EQ(Describe(Calculate(c.current, c.capacity, NumberFormat{c.separator})), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rejected, CalculateTable,
                         testing::Values(Case{u"0", u"1000", "Rejected"},
                                         Case{u"100", u"", "Rejected"},
                                         Case{u"", u"", "Rejected"}));

INSTANTIATE_TEST_SUITE_P(
    Failed, CalculateTable,
    testing::Values(
        // Only the raw texts are tested for rejection: these pass, then fail to convert or divide.
        Case{u"", u"1000", "Failed"}, Case{u"100", u" ", "Failed"}, Case{u"100", u"-", "Failed"},
        Case{u"00", u"1000", "Failed"}, Case{u" 0", u"1000", "Failed"},
        Case{u"0,0", u"1000", "Failed", u","}, Case{u"100", u"1.5", "Failed", u","},
        Case{u"100", u"1e400", "Failed"},
        // Overflow in the ratio, and overflow only once the surcharge is added.
        Case{u"1e-10", u"1e308", "Failed"}, Case{u"1", u"1.5e308", "Failed"}));

INSTANTIATE_TEST_SUITE_P(
    Results, CalculateTable,
    testing::Values(Case{u"100", u"1000", "14 0 0"}, Case{u"100", u"0", "0 0 0"},
                    Case{u"100", u"700", "9 48 0"}, Case{u"100", u"-700", "-10 12 0"},
                    Case{u"100", u"1,5", "0 1 16", u","},
                    // 1.4 h is held as 1.3999...: rounding once to the second keeps it at 1:24:00.
                    Case{u"50", u"50", "1 24 0"},
                    // Within half a second of the next hour the rounding carries into the hours; a
                    // tiny negative time rounds its fraction to exactly 1.
                    Case{u"1.4", u"0.99999", "1 0 0"}, Case{u"1", u"-1e-300", "0 0 0"},
                    Case{u"-100", u"0", "0 0 0"},
                    Case{u"1", u"1e20", "140000000000000000000 0 0"}));

struct TimeCase {
    double capacity, current, hours;
};

class ChargeTimeBits : public testing::TestWithParam<TimeCase> {};

// The surcharge's steps decide the last bit: 7 / 3 gives another one as ratio * 0.4, as
// ratio * 40 / 100 and as 1.4 * C / I.
TEST_P(ChargeTimeBits, FollowsTheSurchargeSteps) {
    const auto& c = GetParam();
    EXPECT_EQ(ChargeTimeHours(c.capacity, c.current), c.hours);
}

INSTANTIATE_TEST_SUITE_P(Table, ChargeTimeBits,
                         testing::Values(TimeCase{700, 100, 9.8},
                                         TimeCase{7, 3, 3.2666666666666666},
                                         TimeCase{2000, 300, 9.333333333333334}));

TEST(ChargeTimeHours, NothingWhenNotFinite) {
    EXPECT_FALSE(ChargeTimeHours(0, 0).has_value());
    EXPECT_FALSE(ChargeTimeHours(1, -0.0).has_value());
}

}  // namespace
}  // namespace brenvol::calc
