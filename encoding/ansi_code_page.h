// The system's ANSI code page, in which typed characters arrive as codes and registry texts are
// stored. On Windows it is the system's own (CP_ACP: 1252 in western Europe, 1250 in Poland,
// 1251 in Russia, 932 in Japan, UTF-8 in Unicode-only locales); elsewhere Windows-1252 stands in
// for it.
//
// Conversions never fail: a character with no code becomes "?", as Windows converts it, with
// no best-fit substitute; a character that takes more than one byte has no single code either;
// the five bytes Windows-1252 leaves undefined map to the control characters of the same
// number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brenvol::encoding {

char16_t AnsiToUnicode(unsigned char code);
std::optional<unsigned char> UnicodeToAnsi(char16_t c);

std::u16string FromAnsi(std::string_view bytes);
std::string ToAnsi(std::u16string_view text);

// Whether a character beyond 16 bits, a pair of surrogates, starts at text[i]: it has no code in
// any code page and counts as one character.
inline bool StartsSurrogatePair(std::u16string_view text, std::size_t i) {
    return i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
           text[i + 1] <= 0xDFFF;
}

// The character at text[i]: the pair's, where a surrogate pair starts there.
inline char32_t CharacterAt(std::u16string_view text, std::size_t i) {
    return StartsSurrogatePair(text, i)
               ? 0x10000 + ((static_cast<char32_t>(text[i]) - 0xD800) << 10) +
                     (text[i + 1] - 0xDC00)
               : text[i];
}

// The character `c` in UTF-16: one unit, or a surrogate pair beyond 16 bits.
inline std::u16string Utf16(char32_t c) {
    if (c <= 0xFFFF) {
        return std::u16string(1, static_cast<char16_t>(c));
    }
    c -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

}  // namespace brenvol::encoding
