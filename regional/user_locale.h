// The user's regional settings, read from the platform each time they are asked for.
//
// On Linux the locale is the one named by LC_ALL, else LC_NUMERIC, else LANG, with the toolkit's
// own locale data, so it does not depend on which C-library locales are installed.
#pragma once

#include <string>
#include <string_view>

#include <memory>

#include "calc/number_text.h"
#include "settings/registry_api.h"

namespace brenvol::regional {

calc::NumberFormat UserNumberFormat();

// The registry that holds the user's regional settings. Where the system has no registry, an
// in-memory one seeded from UserNumberFormat(), so the separator read from it is the one the
// number conversion expects.
std::unique_ptr<settings::RegistryApi> UserRegistry();

// Text to and from the platform's 8-bit encoding, as command-line arguments and terminal
// output use it.
std::u16string FromLocal8Bit(const char* text);
std::string ToLocal8Bit(std::u16string_view text);

}  // namespace brenvol::regional
