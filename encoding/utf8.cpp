#include "encoding/utf8.h"

#include "encoding/ansi_code_page.h"

namespace brenvol::encoding {

std::string Utf8(std::u16string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = CharacterAt(text, i);
        i += c > 0xFFFF;
        c = c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c;
        const int follow = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        // The lead byte: as many high bits as bytes, then the character's highest bits.
        bytes += static_cast<char>((follow ? 0xFF00 >> (follow + 1) & 0xFF : 0) | c >> 6 * follow);
        for (int shift = 6 * (follow - 1); shift >= 0; shift -= 6) {
            bytes += static_cast<char>(0x80 | (c >> shift & 0x3F));
        }
    }
    return bytes;
}

}  // namespace brenvol::encoding
