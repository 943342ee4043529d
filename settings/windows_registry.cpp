#include "settings/windows_registry.h"

#include <windows.h>

namespace brenvol::settings {
namespace {

HKEY ToHkey(KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

std::int32_t WindowsRegistry::CreateKey(KeyHandle parent, const std::string& subKey,
                                        std::uint32_t access, KeyHandle& key) {
    // Empty attributes: no security descriptor, so the default one, and no inheritance.
    SECURITY_ATTRIBUTES attributes{};
    char noClass[] = "";  // the entry point takes a writable text
    HKEY opened = nullptr;
    const LONG result =
        RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE, access,
                        &attributes, &opened, nullptr);
    key = reinterpret_cast<KeyHandle>(opened);
    return result;
}

std::int32_t WindowsRegistry::QueryValue(KeyHandle key, const std::string& valueName,
                                         std::uint32_t& type, unsigned char* data,
                                         std::uint32_t& size) {
    DWORD valueType = type;
    DWORD valueSize = size;
    const LONG result =
        RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return result;
}

std::int32_t WindowsRegistry::CloseKey(KeyHandle key) {
    return RegCloseKey(ToHkey(key));
}

}  // namespace brenvol::settings
