// Where the user's regional settings keep the decimal separator, for the systems that have no
// registry: an in-memory one holds the separator the number conversion uses, so that the
// separator read from it and the one the conversion expects are the same.
#pragma once

#include <string_view>

#include "settings/memory_registry.h"

namespace brenvol::regional {

// Stores `decimalSeparator` where the user's regional settings keep it, as the registry stores
// a text: bytes in the ANSI code page and a terminating NUL.
void SeedRegionalSettings(settings::MemoryRegistry& registry, std::u16string_view decimalSeparator);

}  // namespace brenvol::regional
