#include "regional/user_registry.h"

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

}  // namespace brenvol::regional
