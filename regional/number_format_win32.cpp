// The number format through Win32: the user's locale.
#include <windows.h>

#include "regional/number_format.h"

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

}  // namespace brenvol::regional
