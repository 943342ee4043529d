#include "settings/decimal_separator.h"

namespace brenvol::settings {

std::u16string LoadDecimalSeparator(REG_Function& reader) {
    return reader.GetRegistry(kCurrentUserRootText, kInternationalKey, kDecimalSeparatorValue, u"");
}

}  // namespace brenvol::settings
