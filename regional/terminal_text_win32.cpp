// Terminal text through Win32: arguments in the ANSI code page, output in the console's.
#include <windows.h>

#include "encoding/ansi_code_page.h"
#include "encoding/wide_text.h"
#include "regional/terminal_text.h"

namespace brenvol::regional {

std::u16string FromLocal8Bit(const char* text) {
    return encoding::FromAnsi(text);
}

std::string ToLocal8Bit(std::u16string_view text) {
    // The console shows its own code page, which is not the ANSI one.
    const UINT codePage = GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : CP_ACP;
    const std::wstring wide = encoding::Wide(text);
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(length > 0 ? length : 0, '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

}  // namespace brenvol::regional
