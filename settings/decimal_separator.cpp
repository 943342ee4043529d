#include "settings/decimal_separator.h"

#include "encoding/ansi_code_page.h"

namespace brenvol::settings {

std::u16string LoadDecimalSeparator(REG_Function& reader) {
    return reader.GetRegistry(kCurrentUserRootText, kInternationalKey, kDecimalSeparatorValue, u"");
}

void SeedRegionalSettings(MemoryRegistry& registry, std::u16string_view decimalSeparator) {
    // Stored as the registry stores a text: ANSI bytes and a terminating NUL.
    registry.SetValue(kCurrentUser, encoding::ToAnsi(kInternationalKey),
                      encoding::ToAnsi(kDecimalSeparatorValue),
                      encoding::ToAnsi(decimalSeparator) + '\0');
}

}  // namespace brenvol::settings
