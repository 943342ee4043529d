#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace brenvol::calc {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Reads a number's text into the plain form that std::from_chars takes ("-12.5e3"), checking
// the grammar as it goes.
class Scanner {
public:
    explicit Scanner(std::u16string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ == text_.size(); }
    bool Take(char16_t c) {
        if (AtEnd() || text_[pos_] != c) {
            return false;
        }
        ++pos_;
        return true;
    }
    bool Take(std::u16string_view s) {
        if (s.empty() || !text_.substr(pos_).starts_with(s)) {
            return false;
        }
        pos_ += s.size();
        return true;
    }
    // Copies a run of digits to `out`, moving it on; returns how many there were.
    std::size_t Digits(char*& out) {
        const std::size_t start = pos_;
        while (!AtEnd() && IsDigit(text_[pos_])) {
            *out++ = static_cast<char>(text_[pos_++]);
        }
        return pos_ - start;
    }

private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

// from_chars reports both overflow and underflow as out of range. Tells them apart from the
// decimal exponent of the leading significant digit: at 0 or above the value is at least 1.
bool IsAtLeastOne(std::string_view mantissa, std::size_t intDigits, std::string_view exponent) {
    const std::size_t lead = mantissa.find_first_not_of("0.-");
    if (lead == std::string_view::npos) {
        return false;
    }
    // Position of the leading digit counted in digits, so the '-' and '.' do not count.
    const auto skipped = std::count_if(mantissa.begin(), mantissa.begin() + lead, IsDigit);
    long long magnitude = static_cast<long long>(intDigits) - skipped - 1;
    long long exp = 0;
    const bool negative = !exponent.empty() && exponent.front() == '-';
    for (char c : exponent) {
        if (c >= '0' && c <= '9') {
            exp = std::min(exp * 10 + (c - '0'), 1'000'000'000LL);  // far beyond any double
        }
    }
    magnitude += negative ? -exp : exp;
    return magnitude >= 0;
}

// The value of a number in from_chars' form, correctly rounded: result_out_of_range when it is
// too large for a double, or too small and not zero.
std::errc ReadPlain(const char* first, const char* last, double& value) {
#ifdef __cpp_lib_to_chars
    const auto [end, ec] = std::from_chars(first, last, value);
    return end == last ? ec : std::errc::invalid_argument;
#else
    // A library without a floating from_chars (WebAssembly's): its C library's strtod reads the
    // same form, as correctly rounded, with '.' as the only decimal point it knows.
    const std::string text(first, last);
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) {
        return std::errc::invalid_argument;
    }
    const bool outOfRange = std::isinf(value) || (value == 0 && errno == ERANGE);
    return outOfRange ? std::errc::result_out_of_range : std::errc();
#endif
}

// The decimal digits of an integer.
std::string Digits(std::uint64_t value) {
    std::array<char, 20> buffer;
    return std::string(buffer.data(), std::to_chars(buffer.begin(), buffer.end(), value).ptr);
}

// The digits of a whole value of 2^64 or more, exactly: its 53-bit mantissa times a power of
// two, worked out in base 10^9. Cheaper in code than printing a double, which needs tables of
// powers that would triple the size of a program.
std::string LargeWholeDigits(double magnitude) {
    constexpr std::uint64_t kBase = 1'000'000'000;
    constexpr int kMantissaBits = 53;
    int exponent = 0;
    const auto mantissa =
        static_cast<std::uint64_t>(std::ldexp(std::frexp(magnitude, &exponent), kMantissaBits));
    exponent -= kMantissaBits;
    std::vector<std::uint64_t> limbs{mantissa % kBase, mantissa / kBase};  // lowest first
    while (exponent > 0) {
        const int shift = std::min(exponent, 29);  // a limb shifted stays below 2^59
        exponent -= shift;
        std::uint64_t carry = 0;
        for (std::uint64_t& limb : limbs) {
            const std::uint64_t shifted = (limb << shift) + carry;
            limb = shifted % kBase;
            carry = shifted / kBase;
        }
        for (; carry != 0; carry /= kBase) {
            limbs.push_back(carry % kBase);
        }
    }
    std::string digits = Digits(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = Digits(*limb);
        digits += std::string(9 - part.size(), '0') + part;
    }
    return digits;
}

}  // namespace

std::optional<double> ParseNumber(std::u16string_view text, const NumberFormat& format) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    Scanner in(first < last ? text.substr(first - text.begin(), last - first) : u"");

    // The number in from_chars' form, "-12.5e3": never longer than the text it comes from.
    std::string buffer(text.size(), '\0');
    char* out = buffer.data();
    if (in.Take(u'-')) {
        *out++ = '-';
    } else {
        in.Take(u'+');
    }
    const std::size_t intDigits = in.Digits(out);
    std::size_t fracDigits = 0;
    if (in.Take(format.decimalSeparator)) {
        *out++ = '.';
        fracDigits = in.Digits(out);
    }
    if (intDigits + fracDigits == 0) {
        return std::nullopt;
    }
    const char* mantissaEnd = out;
    if (in.Take(u'e') || in.Take(u'E')) {
        *out++ = 'e';
        if (in.Take(u'-')) {
            *out++ = '-';
        } else {
            in.Take(u'+');
        }
        if (in.Digits(out) == 0) {
            return std::nullopt;
        }
    }
    if (!in.AtEnd()) {
        return std::nullopt;
    }

    const char* plain = buffer.data();
    double value = 0;
    const std::errc ec = ReadPlain(plain, out, value);
    if (ec == std::errc::result_out_of_range) {
        const char* exponent = mantissaEnd == out ? out : mantissaEnd + 1;  // past the 'e'
        if (IsAtLeastOne(std::string_view(plain, mantissaEnd - plain), intDigits,
                         std::string_view(exponent, out - exponent))) {
            return std::nullopt;
        }
        return *plain == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

std::u16string FormatWhole(double value) {
    assert(std::isfinite(value) && value == std::floor(value));
    const double magnitude = std::fabs(value);
    std::string digits = magnitude < 0x1p64 ? Digits(static_cast<std::uint64_t>(magnitude))
                                            : LargeWholeDigits(magnitude);
    if (value < 0) {
        digits.insert(digits.begin(), '-');
    }
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace brenvol::calc
