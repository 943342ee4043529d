// The regional settings through Win32, for builds without Qt: the user's locale, and the ANSI
// and console code pages.
#include <windows.h>

#include "regional/user_locale.h"

namespace brenvol::regional {

calc::NumberFormat UserNumberFormat() {
    // The same value the registry's "sDecimal" holds.
    wchar_t separator[LOCALE_NAME_MAX_LENGTH] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                                       LOCALE_NAME_MAX_LENGTH);
    if (length <= 1) {
        return calc::NumberFormat{};
    }
    return calc::NumberFormat{std::u16string(separator, separator + length - 1)};
}

std::u16string FromLocal8Bit(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return std::u16string(wide.begin(), wide.begin() + (length > 0 ? length - 1 : 0));
}

std::string ToLocal8Bit(std::u16string_view text) {
    // The console shows its own code page, which is not the ANSI one.
    const UINT codePage = GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : CP_ACP;
    const std::wstring wide(text.begin(), text.end());
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(length > 0 ? length : 0, '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

}  // namespace brenvol::regional
