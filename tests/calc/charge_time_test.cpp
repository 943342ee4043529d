#include "calc/charge_time.h"

#include <gtest/gtest.h>

namespace brenvol::calc {
namespace {

std::string Describe(const Outcome& outcome) {
    const auto* r = std::get_if<Results>(&outcome);
    const std::u16string all = r ? r->hours + u' ' + r->minutes + u' ' + r->seconds
                               : std::holds_alternative<Rejected>(outcome) ? u"Rejected"
                                                                           : u"Failed";
    return std::string(all.begin(), all.end());
}

TEST(Calculate, RejectsFailsOrGivesHoursMinutesSeconds) {
    const struct {
        std::u16string current, capacity;
        std::string expected;
        std::u16string separator = u".";
    } cases[] = {
        // clang-format off
        {u"0", u"1000", "Rejected"}, {u"100", u"", "Rejected"},
        // Only the raw texts are tested for rejection: these pass, then fail to convert or divide.
        {u"", u"1000", "Failed"}, {u"100", u" ", "Failed"}, {u"100", u"-", "Failed"},
        {u"00", u"1000", "Failed"}, {u" 0", u"1000", "Failed"}, {u"100", u"1.5", "Failed", u","},
        // Overflow in the ratio, and overflow only once the surcharge is added.
        {u"1e-10", u"1e308", "Failed"}, {u"1", u"1.5e308", "Failed"}, {u"100", u"1000", "14 0 0"},
        {u"100", u"0", "0 0 0"}, {u"100", u"700", "9 48 0"}, {u"100", u"-700", "-10 12 0"},
        {u"100", u"1,5", "0 1 16", u","}, {u"-0", u"1", "Failed"},
        // The surcharge's steps decide the last bit, and here the second: C / I + C / I / 100 * 40
        // gives 3 / 32 one second more than 1.4 * C / I does, and 83 / 32 one less than
        // C / I * 0.4 added does.
        {u"32", u"3", "0 7 53"}, {u"32", u"83", "3 37 52"},
        // 1.4 h is held as 1.3999...: rounding once to the second keeps it at 1:24:00.
        {u"50", u"50", "1 24 0"},
        // Within half a second of the next hour the rounding carries into the hours; a tiny
        // negative time rounds its fraction to exactly 1.
        {u"1.4", u"0.99999", "1 0 0"}, {u"1", u"-1e-300", "0 0 0"}, {u"-100", u"0", "0 0 0"},
        {u"1", u"1e20", "140000000000000000000 0 0"}
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe(Calculate(c.current, c.capacity, NumberFormat{c.separator})), c.expected)
            << std::string(c.current.begin(), c.current.end()) << " mA, "
            << std::string(c.capacity.begin(), c.capacity.end()) << " mAh";
    }
}

}  // namespace
}  // namespace brenvol::calc
