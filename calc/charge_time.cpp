#include "calc/charge_time.h"

#include <cmath>

namespace brenvol::calc {
namespace {

constexpr double kSecondsPerHour = 3600;

// Splits a finite time in hours into whole hours, minutes and seconds, rounded once to the
// nearest second. Flooring at each stage instead would show 1.4 h, which binary floating point
// holds as 1.39999..., as 1:23:59.
Results Split(double chargeTime) {
    double hours = std::floor(chargeTime);
    // The fraction of an hour, in [0, 1]; 1 only when a tiny negative time rounds up to it.
    // Working from the fraction keeps the seconds exact however large the hours are, and keeps
    // every integer conversion below within range.
    const double fraction = chargeTime - hours;
    int seconds = static_cast<int>(std::round(fraction * kSecondsPerHour));
    if (seconds == static_cast<int>(kSecondsPerHour)) {
        hours += 1;
        seconds = 0;
    }
    return Results{FormatWhole(hours), FormatWhole(seconds / 60), FormatWhole(seconds % 60)};
}

// The charge time in hours, to the last bit as the surcharge's steps give it; nothing when the
// arithmetic yields a NaN, a division by zero or an overflow.
std::optional<double> ChargeTimeHours(double capacity, double current) {
    // The surcharge is taken in exactly these steps: their order fixes the last bit of the
    // time (700 mAh at 100 mA is 9.8 h here, 9.799999999999999 h as 1.4 * C / I).
    const double ratio = capacity / current;
    const double surcharge = ratio / 100 * 40;
    // A NaN (0 / 0), a division by zero and an overflow all leave a value that is not finite;
    // the inputs themselves always are.
    if (!std::isfinite(ratio) || !std::isfinite(surcharge)) {
        return std::nullopt;
    }
    const double chargeTime = ratio + surcharge;
    if (!std::isfinite(chargeTime)) {
        return std::nullopt;
    }
    return chargeTime;
}

}  // namespace

Outcome Calculate(std::u16string_view currentText, std::u16string_view capacityText,
                  const NumberFormat& format) {
    if (capacityText.empty() || currentText == u"0") {
        return Rejected{};
    }
    const auto capacity = ParseNumber(capacityText, format);
    const auto current = ParseNumber(currentText, format);
    if (!capacity || !current) {
        return Failed{};
    }
    const auto chargeTime = ChargeTimeHours(*capacity, *current);
    if (!chargeTime) {
        return Failed{};
    }
    return Split(*chargeTime);
}

}  // namespace brenvol::calc
