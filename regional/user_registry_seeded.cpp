#include "regional/user_registry.h"

namespace brenvol::regional {

// No registry here: one in memory, holding what the platform's regional settings say.
std::unique_ptr<settings::RegistryApi> UserRegistry(std::u16string_view decimalSeparator) {
    auto registry = std::make_unique<settings::MemoryRegistry>();
    SeedRegionalSettings(*registry, decimalSeparator);
    return registry;
}

}  // namespace brenvol::regional
