#include "regional/user_locale.h"

#include <QLocale>
#include <QString>

#include "settings/decimal_separator.h"
#include "settings/memory_registry.h"

namespace brenvol::regional {

calc::NumberFormat UserNumberFormat() {
    return calc::NumberFormat{QLocale::system().decimalPoint().toStdU16String()};
}

std::unique_ptr<settings::RegistryApi> UserRegistry() {
    auto registry = std::make_unique<settings::MemoryRegistry>();
    settings::SeedRegionalSettings(*registry, UserNumberFormat().decimalSeparator);
    return registry;
}

std::u16string FromLocal8Bit(const char* text) {
    return QString::fromLocal8Bit(text).toStdU16String();
}

std::string ToLocal8Bit(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text)).toLocal8Bit().toStdString();
}

}  // namespace brenvol::regional
