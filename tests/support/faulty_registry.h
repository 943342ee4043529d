// The in-memory registry with faults on demand and a record of how it was called. Like a real
// registry, it leaves the caller's buffer dirty beyond the data it returns.
#pragma once

#include <cstring>
#include <map>
#include <set>

#include "settings/memory_registry.h"

namespace brenvol::settings {

class FaultyRegistry : public MemoryRegistry {
public:
    enum class Operation { CreateKey, QueryValue, CloseKey };
    static constexpr std::int32_t kUncallable = -1;

    // From now on the operation answers `code` without doing anything, or, given kUncallable,
    // raises RegistryCallError.
    void FailWith(Operation operation, std::int32_t code) { failures_[operation] = code; }
    std::size_t OpenHandles() const { return open_.size(); }
    std::uint32_t lastAccess = 0, lastType = 0, lastSize = 0;

    std::int32_t CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t reserved,
                           const std::string& className, std::uint32_t options,
                           std::uint32_t access, const SecurityAttributes& security, KeyHandle& key,
                           std::uint32_t& disposition) override {
        lastAccess = access;
        const std::int32_t code = Injected(Operation::CreateKey, [&] {
            return MemoryRegistry::CreateKey(parent, subKey, reserved, className, options, access,
                                             security, key, disposition);
        });
        if (code == kSuccess) {
            open_.insert(key);
        }
        return code;
    }
    std::int32_t QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override {
        lastType = type;
        lastSize = size;
        std::memset(data, 'x', size);
        return Injected(Operation::QueryValue, [&] {
            return MemoryRegistry::QueryValue(key, valueName, type, data, size);
        });
    }
    std::int32_t CloseKey(KeyHandle key) override {
        return Injected(Operation::CloseKey, [&] {
            open_.erase(key);
            return MemoryRegistry::CloseKey(key);
        });
    }

private:
    template <typename Call>
    std::int32_t Injected(Operation operation, Call call) const {
        const auto it = failures_.find(operation);
        if (it == failures_.end()) {
            return call();
        }
        if (it->second == kUncallable) {
            throw RegistryCallError(453, "Specified DLL function not found");
        }
        return it->second;
    }

    std::map<Operation, std::int32_t> failures_;
    std::set<KeyHandle> open_;
};

}  // namespace brenvol::settings
