// A registry kept in memory, for systems that have none, and for tests.
//
// It keeps the contract of the registry operations: a missing key is created on open, data
// that does not fit the caller's buffer gives kMoreData, a zero-length value stays zero-length.
// Key and value names are compared without regard to ASCII case, as Windows does. Nothing is
// written anywhere: the registry lives and dies with the object.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "settings/registry_api.h"

namespace brenvol::settings {

class MemoryRegistry : public RegistryApi {
public:
    // Stores raw data under `subKey` of a predefined root, creating the key.
    void SetValue(KeyHandle root, std::string_view subKey, std::string_view valueName,
                  std::string data, std::uint32_t type = kRegSz);

    std::int32_t CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                           KeyHandle& key) override;
    std::int32_t QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override;
    std::int32_t CloseKey(KeyHandle key) override;

private:
    struct Value {
        std::uint32_t type;
        std::string data;
    };
    using Values = std::map<std::string, Value>;  // by lower-case name

    // The key's full path in lower case ("80000001\control panel\international"), or nothing
    // when the parent is not a root or an open key, or the path is malformed.
    std::optional<std::string> PathOf(KeyHandle parent, std::string_view subKey,
                                      std::int32_t& error) const;
    void Create(const std::string& path);

    std::map<std::string, Values> keys_;
    std::map<KeyHandle, std::string> open_;  // handle -> key path
    KeyHandle nextHandle_ = 0x1000;
};

}  // namespace brenvol::settings
