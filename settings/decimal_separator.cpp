#include "settings/decimal_separator.h"

#include "input/ansi_codepage.h"

namespace brenvol::settings {

std::u16string LoadDecimalSeparator(REG_Function& reader) {
    return reader.GetRegistry(kCurrentUserRootText, kInternationalKey, kDecimalSeparatorValue, u"");
}

void SeedRegionalSettings(MemoryRegistry& registry, std::u16string_view decimalSeparator) {
    // Stored as the registry stores a text: ANSI bytes and a terminating NUL.
    registry.SetValue(kCurrentUser, input::ToAnsi(kInternationalKey),
                      input::ToAnsi(kDecimalSeparatorValue),
                      input::ToAnsi(decimalSeparator) + '\0');
}

}  // namespace brenvol::settings
