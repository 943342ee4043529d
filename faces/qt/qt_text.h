// UTF-16 text of the core as Qt's, without a copy through another encoding.
#pragma once

#include <QString>
#include <string_view>

namespace brenvol::qt {

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

}  // namespace brenvol::qt
