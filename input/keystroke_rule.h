// What the number boxes accept, one typed character at a time.
//
// A typed character arrives as its signed 16-bit code in the ANSI code page; the rule returns
// the code the box is to receive (0: the keystroke is discarded) and whether to beep. Digits,
// "-" and the editing keys pass; the six punctuation keys become the first character of the
// decimal separator text; everything else is refused with a beep. The rule looks at nothing but
// its two arguments, so "-" and the separator may be typed anywhere, any number of times.
#pragma once

#include <cstdint>
#include <string_view>

namespace brenvol::input {

struct KeyVerdict {
    std::int16_t code;
    bool beep;
    bool operator==(const KeyVerdict&) const = default;
};

// An empty separator, or one whose first character has no ANSI code, turns the punctuation
// keys into nothing, silently: there is no separator to insert, and the key itself was a fair
// attempt at one.
KeyVerdict KeystrokeRule(std::int16_t code, std::u16string_view separator);

}  // namespace brenvol::input
