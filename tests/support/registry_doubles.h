// Doubles for the registry reader: the in-memory registry with faults on demand and a record
// of how it was called (like a real registry, it leaves the caller's buffer dirty beyond the
// data it returns), and a Notifier that keeps what it was asked to show.
#pragma once

#include <cstring>
#include <map>
#include <set>
#include <vector>

#include "settings/memory_registry.h"
#include "settings/reg_function.h"

struct FakeNotifier : brenvol::settings::Notifier {
    struct Message {
        std::u16string text;
        brenvol::settings::MessageIcon icon;
    };
    void Notify(std::u16string_view text, brenvol::settings::MessageIcon icon) override {
        shown.push_back({std::u16string(text), icon});
    }
    std::vector<Message> shown;
};

namespace brenvol::settings {

class FaultyRegistry : public MemoryRegistry {
public:
    enum class Operation { CreateKey, QueryValue, CloseKey };
    static constexpr std::int32_t kUncallable = -1;

    // From now on the operation answers `code` and does nothing, or given kUncallable throws.
    void FailWith(Operation operation, std::int32_t code) { failures_[operation] = code; }
    std::size_t OpenHandles() const { return open_.size(); }
    std::uint32_t lastAccess = 0, lastType = 0, lastSize = 0;

    std::int32_t CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                           KeyHandle& key) override {
        lastAccess = access;
        std::int32_t code = Injected(Operation::CreateKey);
        if (code == kNone) {
            code = MemoryRegistry::CreateKey(parent, subKey, access, key);
            code == kSuccess ? void(open_.insert(key)) : void();
        }
        return code;
    }
    std::int32_t QueryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) override {
        lastType = type;
        lastSize = size;
        std::memset(data, 'x', size);
        const std::int32_t code = Injected(Operation::QueryValue);
        return code != kNone ? code : MemoryRegistry::QueryValue(key, valueName, type, data, size);
    }
    std::int32_t CloseKey(KeyHandle key) override {
        const std::int32_t code = Injected(Operation::CloseKey);
        return code != kNone ? code : (open_.erase(key), MemoryRegistry::CloseKey(key));
    }

private:
    static constexpr std::int32_t kNone = -2;  // no fault: the operation does its work
    std::int32_t Injected(Operation operation) const {
        const auto it = failures_.find(operation);
        if (it != failures_.end() && it->second == kUncallable) {
            throw RegistryCallError(453, "Specified DLL function not found");
        }
        return it != failures_.end() ? it->second : kNone;
    }

    std::map<Operation, std::int32_t> failures_;
    std::set<KeyHandle> open_;
};

}  // namespace brenvol::settings
