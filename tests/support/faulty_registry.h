// The in-memory registry with faults on demand, and a record of how it was called: an operation
// can answer any code without doing anything, or be impossible to call. Like a real one, it
// leaves the caller's buffer dirty beyond the data it returns.
#pragma once

#include <cstring>
#include <map>
#include <optional>
#include <set>

#include "settings/memory_registry.h"

namespace brenvol::settings {

class FaultyRegistry : public MemoryRegistry {
public:
    enum class Operation { CreateKey, QueryValue, CloseKey };

    // The arguments of the last CreateKey and QueryValue calls, as received.
    struct CreateCall {
        std::uint32_t reserved = 0;
        std::string className;
        std::uint32_t options = 0;
        std::uint32_t access = 0;
        SecurityAttributes security;
    };
    struct QueryCall {
        std::uint32_t type = 0;
        std::uint32_t size = 0;
    };

    // From now on the operation answers `code` without doing anything.
    void FailWith(Operation operation, std::int32_t code) { failures_[operation] = code; }
    // From now on calling the operation raises RegistryCallError.
    void MakeUncallable(Operation operation) { uncallable_.insert(operation); }

    std::size_t OpenHandles() const { return open_.size(); }
    const std::optional<CreateCall>& LastCreateCall() const { return lastCreate_; }
    const std::optional<QueryCall>& LastQueryCall() const { return lastQuery_; }

    std::int32_t CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t reserved,
                           const std::string& className, std::uint32_t options,
                           std::uint32_t access, const SecurityAttributes& security, KeyHandle& key,
                           std::uint32_t& disposition) override {
        lastCreate_ = CreateCall{reserved, className, options, access, security};
        if (const auto code = Injected(Operation::CreateKey)) {
            return *code;
        }
        const std::int32_t result = MemoryRegistry::CreateKey(
            parent, subKey, reserved, className, options, access, security, key, disposition);
        if (result == kSuccess) {
            open_.insert(key);
        }
        return result;
    }
    std::int32_t QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override {
        lastQuery_ = QueryCall{type, size};
        std::memset(data, 'x', size);
        if (const auto code = Injected(Operation::QueryValue)) {
            return *code;
        }
        return MemoryRegistry::QueryValue(key, valueName, type, data, size);
    }
    std::int32_t CloseKey(KeyHandle key) override {
        if (const auto code = Injected(Operation::CloseKey)) {
            return *code;
        }
        const std::int32_t result = MemoryRegistry::CloseKey(key);
        if (result == kSuccess) {
            open_.erase(key);
        }
        return result;
    }

private:
    std::optional<std::int32_t> Injected(Operation operation) const {
        if (uncallable_.count(operation) != 0) {
            throw RegistryCallError(453, "Specified DLL function not found");
        }
        if (const auto it = failures_.find(operation); it != failures_.end()) {
            return it->second;
        }
        return std::nullopt;
    }

    std::map<Operation, std::int32_t> failures_;
    std::set<Operation> uncallable_;
    std::set<KeyHandle> open_;
    std::optional<CreateCall> lastCreate_;
    std::optional<QueryCall> lastQuery_;
};

}  // namespace brenvol::settings
