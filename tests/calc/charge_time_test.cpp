#include "calc/charge_time.h"

#include <gtest/gtest.h>

#include <string>

namespace brenvol::calc {
namespace {

struct Case {
    std::u16string current;
    std::u16string capacity;
    std::u16string separator;
    Outcome expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << "current \"" << std::string(c.current.begin(), c.current.end()) << "\", capacity \""
        << std::string(c.capacity.begin(), c.capacity.end()) << "\"";
}

// "Rejected", "Failed" or the three result texts, so a mismatch reads plainly.
std::string Describe(const Outcome& outcome) {
    if (std::holds_alternative<Rejected>(outcome)) {
        return "Rejected";
    }
    if (std::holds_alternative<Failed>(outcome)) {
        return "Failed";
    }
    const auto& r = std::get<Results>(outcome);
    std::u16string all = r.hours + u' ' + r.minutes + u' ' + r.seconds;
    return std::string(all.begin(), all.end());
}

class CalculateOutcome : public testing::TestWithParam<Case> {};

TEST_P(CalculateOutcome, MatchesTable) {
    const Case& c = GetParam();
    EXPECT_EQ(Describe(Calculate(c.current, c.capacity, NumberFormat{c.separator})),
              Describe(c.expected));
}

Outcome Hms(std::u16string h, std::u16string m, std::u16string s) {
    return Results{std::move(h), std::move(m), std::move(s)};
}

INSTANTIATE_TEST_SUITE_P(
    Rejected, CalculateOutcome,
    testing::Values(Case{u"0", u"1000", u".", Rejected{}}, Case{u"100", u"", u".", Rejected{}},
                    Case{u"0", u"", u".", Rejected{}}, Case{u"", u"", u".", Rejected{}},
                    // Only the raw texts are looked at: a capacity of blanks is not empty.
                    Case{u"0", u" ", u".", Rejected{}}));

INSTANTIATE_TEST_SUITE_P(
    Failed, CalculateOutcome,
    testing::Values(
        // These pass the rejection test, then fail to convert or to divide.
        Case{u"", u"1000", u".", Failed{}}, Case{u"-", u"1000", u".", Failed{}},
        Case{u"100", u"-", u".", Failed{}}, Case{u"00", u"1000", u".", Failed{}},
        Case{u" 0", u"1000", u".", Failed{}}, Case{u"-0", u"1000", u".", Failed{}},
        Case{u"0,0", u"1000", u",", Failed{}}, Case{u"00", u"0", u".", Failed{}},
        Case{u"100", u"1.5", u",", Failed{}}, Case{u"100", u"1,5", u".", Failed{}},
        Case{u"100", u"abc", u".", Failed{}}, Case{u"100", u"1e400", u".", Failed{}},
        // Overflow in the ratio, and overflow only when the surcharge is added.
        Case{u"1e-10", u"1e308", u".", Failed{}}, Case{u"1", u"1.5e308", u".", Failed{}}));

INSTANTIATE_TEST_SUITE_P(
    Results, CalculateOutcome,
    testing::Values(
        Case{u"100", u"1000", u".", Hms(u"14", u"0", u"0")},
        Case{u"100", u"0", u".", Hms(u"0", u"0", u"0")},
        Case{u"100", u"700", u".", Hms(u"9", u"48", u"0")},
        Case{u"100", u"-700", u".", Hms(u"-10", u"12", u"0")},
        Case{u"300", u"2000", u".", Hms(u"9", u"20", u"0")},
        // 1.4 h is held as 1.3999...: rounding once to the second keeps it at 1:24:00.
        Case{u"50", u"50", u".", Hms(u"1", u"24", u"0")},
        Case{u"3", u"1", u".", Hms(u"0", u"28", u"0")},
        Case{u"100", u"1,5", u",", Hms(u"0", u"1", u"16")},
        Case{u" 100 ", u"1e3", u".", Hms(u"14", u"0", u"0")},
        // Within half a second below a whole hour the rounding carries into the hours.
        Case{u"1.4", u"0.99999", u".", Hms(u"1", u"0", u"0")},
        Case{u"1", u"-0.00001", u".", Hms(u"0", u"0", u"0")},
        // A tiny negative time: the fraction of the hour rounds to exactly 1.
        Case{u"1", u"-1e-300", u".", Hms(u"0", u"0", u"0")},
        // A negative zero time prints as 0.
        Case{u"100", u"-0", u".", Hms(u"0", u"0", u"0")},
        Case{u"-100", u"0", u".", Hms(u"0", u"0", u"0")},
        // Huge times print every digit of the hours.
        Case{u"1", u"1e300", u".",
             Hms(u"140000000000000007350666435728618834818625601355142281688219576171652344118447"
                 u"147410091992511262700966118622136603742944771953252950460280590270905870138977"
                 u"598774208129720612523296232731270332608311653452895911992311356665455469723210"
                 u"4513839892199492410962304348079579973361937261074941611643160756224",
                 u"0", u"0")}));

struct TimeCase {
    double capacity;
    double current;
    double hours;
};

class ChargeTimeBits : public testing::TestWithParam<TimeCase> {};

// The surcharge's order of steps decides the last bit; these are the bits it must give.
TEST_P(ChargeTimeBits, FollowsTheSurchargeSteps) {
    const auto& c = GetParam();
    const auto got = ChargeTimeHours(c.capacity, c.current);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, c.hours);
}

INSTANTIATE_TEST_SUITE_P(Table, ChargeTimeBits,
                         testing::Values(TimeCase{1000, 100, 14}, TimeCase{700, 100, 9.8},
                                         TimeCase{-700, 100, -9.8},
                                         TimeCase{2000, 300, 9.333333333333334},
                                         TimeCase{50, 50, 1.4}));

TEST(ChargeTimeHours, NotFiniteGivesNothing) {
    EXPECT_FALSE(ChargeTimeHours(0, 0).has_value());
    EXPECT_FALSE(ChargeTimeHours(1, 0).has_value());
    EXPECT_FALSE(ChargeTimeHours(1, -0.0).has_value());
    EXPECT_FALSE(ChargeTimeHours(1.5e308, 1).has_value());
}

}  // namespace
}  // namespace brenvol::calc
