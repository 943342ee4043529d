#include "encoding/ansi_code_page.h"
#include "regional/user_registry.h"
#include "settings/decimal_separator.h"

namespace brenvol::regional {

void SeedRegionalSettings(settings::MemoryRegistry& registry,
                          std::u16string_view decimalSeparator) {
    registry.SetValue(settings::kCurrentUser, encoding::ToAnsi(settings::kInternationalKey),
                      encoding::ToAnsi(settings::kDecimalSeparatorValue),
                      encoding::ToAnsi(decimalSeparator) + '\0');
}

}  // namespace brenvol::regional
