// The regional settings through QtCore, which reads the platform's own on Windows too.
#include "regional/user_locale.h"

#include <QLocale>
#include <QString>

namespace brenvol::regional {

calc::NumberFormat UserNumberFormat() {
    return calc::NumberFormat{QLocale::system().decimalPoint().toStdU16String()};
}

std::u16string FromLocal8Bit(const char* text) {
    return QString::fromLocal8Bit(text).toStdU16String();
}

std::string ToLocal8Bit(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text)).toLocal8Bit().toStdString();
}

}  // namespace brenvol::regional
