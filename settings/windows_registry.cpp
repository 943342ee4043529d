#include "settings/windows_registry.h"

#include <windows.h>

namespace brenvol::settings {
namespace {

HKEY ToHkey(KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

std::int32_t WindowsRegistry::CreateKey(KeyHandle parent, const std::string& subKey,
                                        std::uint32_t reserved, const std::string& className,
                                        std::uint32_t options, std::uint32_t access,
                                        const SecurityAttributes& security, KeyHandle& key,
                                        std::uint32_t& disposition) {
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = security.length;
    attributes.lpSecurityDescriptor = security.securityDescriptor;
    attributes.bInheritHandle = security.inheritHandle ? TRUE : FALSE;
    std::string classText = className;  // the entry point takes a writable text
    HKEY opened = nullptr;
    DWORD created = 0;
    const LONG result = RegCreateKeyExA(ToHkey(parent), subKey.c_str(), reserved, classText.data(),
                                        options, access, &attributes, &opened, &created);
    key = reinterpret_cast<KeyHandle>(opened);
    disposition = created;
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
