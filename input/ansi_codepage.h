// The system's ANSI code page, in which typed characters arrive as codes and registry texts are
// stored. Windows-1252 is the code page everywhere the program runs without one of its own.
//
// Conversions never fail: a character with no code becomes "?", as Windows converts it, and the
// five bytes Windows-1252 leaves undefined map to the control characters of the same number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brenvol::input {

char16_t AnsiToUnicode(unsigned char code);
std::optional<unsigned char> UnicodeToAnsi(char16_t c);

std::u16string FromAnsi(std::string_view bytes);
std::string ToAnsi(std::u16string_view text);

}  // namespace brenvol::input
