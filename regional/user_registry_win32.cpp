#include "regional/user_registry.h"

#include "settings/windows_registry.h"

namespace brenvol::regional {

// The user's own registry, which holds the regional settings already.
std::unique_ptr<settings::RegistryApi> UserRegistry(std::u16string_view /*decimalSeparator*/) {
    return std::make_unique<settings::WindowsRegistry>();
}

}  // namespace brenvol::regional
