// Terminal text through QtCore, in the locale's encoding.
#include <QString>

#include "regional/terminal_text.h"

namespace brenvol::regional {

std::u16string FromLocal8Bit(const char* text) {
    return QString::fromLocal8Bit(text).toStdU16String();
}

std::string ToLocal8Bit(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text)).toLocal8Bit().toStdString();
}

}  // namespace brenvol::regional
