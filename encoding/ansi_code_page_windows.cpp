// The system's ANSI code page, through Win32: single-byte, double-byte or UTF-8, each called
// as its contract allows.
#include <windows.h>

#include "encoding/ansi_code_page.h"
#include "encoding/code_page_arguments.h"
#include "encoding/wide_text.h"

namespace brenvol::encoding {
namespace {

static_assert(kNoBestFitChars == WC_NO_BEST_FIT_CHARS);

// CP_ACP by its number, which the choice of arguments needs.
UINT CodePage() {
    return GetACP();
}

}  // namespace

char16_t AnsiToUnicode(unsigned char code) {
    const char byte = static_cast<char>(code);
    wchar_t c = L'?';
    // A lead byte of a double-byte page, or a byte of a UTF-8 sequence, is no character alone.
    if (MultiByteToWideChar(CodePage(), 0, &byte, 1, &c, 1) != 1) {
        return u'?';
    }
    return static_cast<char16_t>(c);
}

std::optional<unsigned char> UnicodeToAnsi(char16_t c) {
    const UINT page = CodePage();
    const wchar_t wide = static_cast<wchar_t>(c);
    char bytes[8] = {};
    const int length = WideCharToMultiByte(page, ArgumentsFor(page).toBytesFlags, &wide, 1, bytes,
                                           sizeof bytes, nullptr, nullptr);
    // More than one byte is no single code. A character the page lacks comes back as the
    // page's default character, which does not convert back to it.
    if (length != 1 || AnsiToUnicode(static_cast<unsigned char>(bytes[0])) != c) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(bytes[0]);
}

std::u16string FromAnsi(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const UINT page = CodePage();
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(page, 0, bytes.data(), size, wide.data(), length);
    return FromWide(wide);
}

std::string ToAnsi(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    const UINT page = CodePage();
    const ConversionArguments arguments = ArgumentsFor(page);
    std::wstring wide;
    if (arguments.defaultCharacter) {
        // A character beyond 16 bits is one "?", not one for each half of it.
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool pair = StartsSurrogatePair(text, i);
            wide += pair ? L'\uFFFD' : static_cast<wchar_t>(text[i]);
            i += pair ? 1 : 0;
        }
    } else {
        wide = Wide(text);  // UTF-8 and its kin encode every character
    }
    const char* defaultCharacter = arguments.defaultCharacter ? "?" : nullptr;
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(page, arguments.toBytesFlags, wide.data(), size, nullptr,
                                           0, defaultCharacter, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string bytes(length, '\0');
    WideCharToMultiByte(page, arguments.toBytesFlags, wide.data(), size, bytes.data(), length,
                        defaultCharacter, nullptr);
    return bytes;
}

}  // namespace brenvol::encoding
