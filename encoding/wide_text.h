// Texts as Windows' wide-character functions take them. On Windows wchar_t is a UTF-16 unit, so
// a text crosses unit by unit.
#pragma once

#include <string>
#include <string_view>

namespace brenvol::encoding {

inline std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

inline std::u16string FromWide(std::wstring_view text) {
    return {text.begin(), text.end()};
}

}  // namespace brenvol::encoding
