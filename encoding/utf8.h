// Texts in UTF-8, as files and the web keep them.
#pragma once

#include <string>
#include <string_view>

namespace brenvol::encoding {

// `text` in UTF-8: a character beyond 16 bits from its pair of surrogates, a surrogate alone as
// U+FFFD.
std::string Utf8(std::u16string_view text);

}  // namespace brenvol::encoding
