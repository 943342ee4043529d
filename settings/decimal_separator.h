// The user's decimal separator, as the user's regional settings in the registry hold it.
//
// LoadDecimalSeparator returns whatever the reader gives, unchecked: the separator, "" when
// the value is missing, or one of the reader's error texts.
#pragma once

#include <string>
#include <string_view>

#include "settings/reg_function.h"

namespace brenvol::settings {

// Where the separator is kept: HKEY_CURRENT_USER\Control Panel\International, "sDecimal".
inline constexpr std::u16string_view kCurrentUserRootText = u"-2147483647";
inline constexpr std::u16string_view kInternationalKey = u"Control Panel\\International";
inline constexpr std::u16string_view kDecimalSeparatorValue = u"sDecimal";

std::u16string LoadDecimalSeparator(REG_Function& reader);

}  // namespace brenvol::settings
