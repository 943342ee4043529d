// Calculate, fed the two texts: it rejects exactly an empty capacity and a current of "0"; any
// result is the charge time of the two numbers to the nearest second, in whole hours, minutes
// and seconds, these two below 60; anything else fails, with nothing to show.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

#include "calc/charge_time.h"
#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"

using namespace brenvol;

namespace {

// A whole number as the result boxes show it: digits, with a "-" before them when negative.
std::optional<double> Whole(const std::u16string& text) {
    const std::size_t digits = text.starts_with(u'-') ? 1 : 0;
    if (text.size() == digits ||
        text.find_first_not_of(u"0123456789", digits) != std::u16string::npos) {
        return std::nullopt;
    }
    return calc::ParseNumber(text, calc::NumberFormat{u"."});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    static const std::u16string kSeparators[] = {u",", u".", u"", u"\u066B"};
    const calc::NumberFormat format{
        kSeparators[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSeparators) - 1)]};
    const std::u16string current = fuzz::Utf16(in.ConsumeRandomLengthString(64));
    const std::u16string capacity = fuzz::Utf16(in.ConsumeRemainingBytesAsString());

    const calc::Outcome outcome = calc::Calculate(current, capacity, format);
    const bool rejected = capacity.empty() || current == u"0";
    FUZZ_CHECK(std::holds_alternative<calc::Rejected>(outcome) == rejected);
    if (rejected) {
        return 0;
    }
    const auto i = calc::ParseNumber(current, format);
    const auto c = calc::ParseNumber(capacity, format);
    // The charge time as the surcharge's steps give it, where it is finite.
    const double ratio = i && c ? *c / *i : NAN;
    const std::optional<double> time = std::isfinite(ratio + ratio / 100 * 40)
                                           ? std::optional(ratio + ratio / 100 * 40)
                                           : std::nullopt;
    const auto* results = std::get_if<calc::Results>(&outcome);
    if (!time) {
        FUZZ_CHECK(results == nullptr);
        return 0;
    }
    if (results == nullptr) {
        return 0;  // a time too large for its minutes to be worked out
    }
    const auto hours = Whole(results->hours);
    const auto minutes = Whole(results->minutes);
    const auto seconds = Whole(results->seconds);
    FUZZ_CHECK(hours && minutes && seconds);
    FUZZ_CHECK(*minutes >= 0 && *minutes < 60 && *seconds >= 0 && *seconds < 60);
    // The time to the nearest second, a whole hour more only when that rounds up to one.
    const double whole = std::floor(*time);
    FUZZ_CHECK(*hours == whole || *hours == whole + 1);
    const double shown = (*hours - whole) * 3600 + *minutes * 60 + *seconds;
    FUZZ_CHECK(std::fabs(shown - (*time - whole) * 3600) <= 0.5 + 1e-6);
    return 0;
}
