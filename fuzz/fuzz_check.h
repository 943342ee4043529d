// What every fuzz target checks with: a broken promise prints itself and aborts, so that
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition)                                                                     \
    ((condition) ? void()                                                                         \
                 : (std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__), \
                    std::abort()))

namespace brenvol::fuzz {

// One byte a character, so that digits, signs, separators and controls come up often; a byte
// 0xFF takes the next two as one UTF-16 unit, for everything beyond Latin-1, surrogates included.
inline std::u16string Utf16(const std::string& bytes) {
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0xFF && i + 2 < bytes.size()) {
            text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                          static_cast<unsigned char>(bytes[i + 2]));
            i += 2;
        } else {
            text += static_cast<char16_t>(byte);
        }
    }
    return text;
}

}  // namespace brenvol::fuzz
