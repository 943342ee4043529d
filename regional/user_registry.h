// The registry that holds the user's regional settings: the real one on Windows; elsewhere an
// in-memory one, seeded with the separator the number conversion uses, so that the separator
// read from it and the one the conversion expects are the same.
#pragma once

#include <memory>
#include <string_view>

#include "settings/memory_registry.h"
#include "settings/registry_api.h"

namespace brenvol::regional {

// decimalSeparator: the user's, for the stand-in; Windows' own registry holds it already.
std::unique_ptr<settings::RegistryApi> UserRegistry(std::u16string_view decimalSeparator);

// Stores `decimalSeparator` where the user's regional settings keep it, as the registry stores
// a text: bytes in the ANSI code page and a terminating NUL.
void SeedRegionalSettings(settings::MemoryRegistry& registry, std::u16string_view decimalSeparator);

}  // namespace brenvol::regional
