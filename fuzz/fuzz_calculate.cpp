// The calculation: the three outcomes agree with the inputs, and a result is whole numbers of
// hours, minutes and seconds that add up to the charge time, to the second.
#include <cmath>
#include <variant>

#include "calc/charge_time.h"
#include "fuzz_check.h"

using namespace brenvol;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const calc::NumberFormat format{fuzz::PickSeparator(in)};
    const std::u16string current = fuzz::Latin1(in.ConsumeRandomLengthString(64));
    const std::u16string capacity = fuzz::Latin1(in.ConsumeRemainingBytesAsString());

    const calc::Outcome outcome = calc::Calculate(current, capacity, format);
    const bool rejected = capacity.empty() || current == u"0";
    FUZZ_CHECK(std::holds_alternative<calc::Rejected>(outcome) == rejected);
    if (rejected) {
        return 0;
    }
    const auto c = calc::ParseNumber(capacity, format);
    const auto i = calc::ParseNumber(current, format);
    const auto hours = c && i ? calc::ChargeTimeHours(*c, *i) : std::nullopt;
    FUZZ_CHECK(std::holds_alternative<calc::Failed>(outcome) == !hours);
    const auto* results = std::get_if<calc::Results>(&outcome);
    if (!results) {
        return 0;
    }

    const auto read = [](const std::u16string& text) { return calc::ParseNumber(text, {u"."}); };
    const auto h = read(results->hours), m = read(results->minutes), s = read(results->seconds);
    FUZZ_CHECK(h && m && s);
    FUZZ_CHECK(*h == std::floor(*h) && *m == std::floor(*m) && *s == std::floor(*s));
    FUZZ_CHECK(*m >= 0 && *m <= 59 && *s >= 0 && *s <= 59);
    FUZZ_CHECK(*h == std::floor(*hours) || *h == std::floor(*hours) + 1);
    FUZZ_CHECK(results->hours != u"-0");
    if (std::fabs(*hours) < 1e9) {  // where a double still resolves the seconds
        const double total = *h * 3600 + *m * 60 + *s;
        FUZZ_CHECK(std::fabs(total - *hours * 3600) <= 0.5 + 1e-6);
    }
    return 0;
}
