// Numbers as the user types and reads them, under a regional number format.
//
// ParseNumber accepts exactly: optional leading and trailing blanks, one optional sign, digits
// with at most one decimal separator (digits on at least one side of it) and an optional
// exponent. The value is correctly rounded; a value too large for a double does not convert,
// one too small becomes zero. FormatWhole prints a whole value as plain digits, exactly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brenvol::calc {

struct NumberFormat {
    std::u16string decimalSeparator = u".";
};

std::optional<double> ParseNumber(std::u16string_view text, const NumberFormat& format);

// All the digits of a whole, finite value, a leading "-" when negative, no grouping; a negative
// zero prints as "0".
std::u16string FormatWhole(double value);

}  // namespace brenvol::calc
