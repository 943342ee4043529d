// What the fuzz targets share: a check that stops the run on a broken invariant, and texts
// made from the fuzzer's bytes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                                     \
    ((condition) ? void()                                                                         \
                 : (std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__), \
                    std::abort()))

namespace brenvol::fuzz {

// One byte a character, so that digits, signs and separators come up often.
inline std::u16string Latin1(const std::string& bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    return std::u16string(b, b + bytes.size());
}

inline std::u16string PickSeparator(FuzzedDataProvider& in) {
    static const std::u16string kSeparators[] = {u".", u",", u"", u"\u066B", u"ab", u"e"};
    return kSeparators[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSeparators) - 1)];
}

}  // namespace brenvol::fuzz
