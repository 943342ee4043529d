// The number conversion: whatever it accepts follows the grammar and has the value the C
// library gives the same number; whole values print and read back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cfloat>
#include <cmath>

#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"

using namespace brenvol;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    static const std::u16string kSeparators[] = {u".", u",", u"", u"\u066B", u"ab", u"e"};
    const calc::NumberFormat format{
        kSeparators[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSeparators) - 1)]};
    const std::u16string text = fuzz::Utf16(in.ConsumeRemainingBytesAsString());

    const auto value = calc::ParseNumber(text, format);
    if (!value) {
        return 0;
    }
    FUZZ_CHECK(std::isfinite(*value));

    // The same number in the C library's form: blanks dropped, the separator (there is at most
    // one, before any exponent) a '.'.
    std::u16string rest = text;
    if (const auto at = rest.find(format.decimalSeparator);
        !format.decimalSeparator.empty() && at != std::u16string::npos) {
        rest.replace(at, format.decimalSeparator.size(), u".");
    }
    std::string plain;
    for (char16_t c : rest) {
        FUZZ_CHECK(std::u16string_view(u"0123456789+-eE. \t").find(c) != std::u16string_view::npos);
        plain += c == u' ' || c == u'\t' ? "" : std::string(1, static_cast<char>(c));
    }
    char* end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    FUZZ_CHECK(*end == '\0');
    // Below the normal range a value may come out as zero.
    FUZZ_CHECK(*value == expected || (std::fabs(expected) < DBL_MIN && *value == 0));

    const double whole = std::trunc(*value);
    const auto back = calc::ParseNumber(calc::FormatWhole(whole), calc::NumberFormat{u"."});
    FUZZ_CHECK(back && *back == whole);
    return 0;
}
