// The Windows registry itself, through advapi32's ANSI entry points. Windows only.
#pragma once

#include "settings/registry_api.h"

namespace brenvol::settings {

class WindowsRegistry : public RegistryApi {
public:
    std::int32_t CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                           KeyHandle& key) override;
    std::int32_t QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override;
    std::int32_t CloseKey(KeyHandle key) override;
};

}  // namespace brenvol::settings
