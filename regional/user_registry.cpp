// The registry that holds the user's regional settings: the real one on Windows; elsewhere an
// in-memory one, seeded from the same locale the number conversion reads.
#include "regional/user_locale.h"

#ifdef _WIN32
#include "settings/windows_registry.h"
#else
#include "settings/decimal_separator.h"
#include "settings/memory_registry.h"
#endif

namespace brenvol::regional {

std::unique_ptr<settings::RegistryApi> UserRegistry() {
#ifdef _WIN32
    return std::make_unique<settings::WindowsRegistry>();
#else
    auto registry = std::make_unique<settings::MemoryRegistry>();
    settings::SeedRegionalSettings(*registry, UserNumberFormat().decimalSeparator);
    return registry;
#endif
}

}  // namespace brenvol::regional
