// The system's ANSI code page (CP_ACP), through Win32.
#include <windows.h>

#include "encoding/ansi_code_page.h"

namespace brenvol::encoding {

char16_t AnsiToUnicode(unsigned char code) {
    const char byte = static_cast<char>(code);
    wchar_t c = L'?';  // a lead byte of a multi-byte code page is no character on its own
    MultiByteToWideChar(CP_ACP, 0, &byte, 1, &c, 1);
    return static_cast<char16_t>(c);
}

std::optional<unsigned char> UnicodeToAnsi(char16_t c) {
    const wchar_t wide = static_cast<wchar_t>(c);
    char bytes[4] = {};
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes,
                                           sizeof bytes, nullptr, &defaulted);
    if (length != 1 || defaulted) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(bytes[0]);
}

std::u16string FromAnsi(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
    return std::u16string(wide.begin(), wide.end());
}

std::string ToAnsi(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    // A character beyond 16 bits is one "?", not one for each half of it.
    std::wstring wide;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair = StartsSurrogatePair(text, i);
        wide += pair ? L'\uFFFD' : static_cast<wchar_t>(text[i]);
        i += pair ? 1 : 0;
    }
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                           0, "?", nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length, "?",
                        nullptr);
    return bytes;
}

}  // namespace brenvol::encoding
