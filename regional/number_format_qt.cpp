// The number format through QtCore.
#include <QLocale>

#include "regional/number_format.h"

namespace brenvol::regional {

calc::NumberFormat UserNumberFormat() {
    return calc::NumberFormat{QLocale::system().decimalPoint().toStdU16String()};
}

}  // namespace brenvol::regional
