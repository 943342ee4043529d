#include "regional/user_registry.h"

#include "encoding/ansi_code_page.h"
#include "settings/decimal_separator.h"
#ifdef _WIN32
#include "settings/windows_registry.h"
#endif

namespace brenvol::regional {

std::unique_ptr<settings::RegistryApi> UserRegistry(
    [[maybe_unused]] std::u16string_view decimalSeparator) {
#ifdef _WIN32
    return std::make_unique<settings::WindowsRegistry>();
#else
    auto registry = std::make_unique<settings::MemoryRegistry>();
    SeedRegionalSettings(*registry, decimalSeparator);
    return registry;
#endif
}

void SeedRegionalSettings(settings::MemoryRegistry& registry,
                          std::u16string_view decimalSeparator) {
    registry.SetValue(settings::kCurrentUser, encoding::ToAnsi(settings::kInternationalKey),
                      encoding::ToAnsi(settings::kDecimalSeparatorValue),
                      encoding::ToAnsi(decimalSeparator) + '\0');
}

}  // namespace brenvol::regional
