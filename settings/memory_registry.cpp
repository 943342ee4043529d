#include "settings/memory_registry.h"

#include <algorithm>
#include <cstring>

namespace brenvol::settings {
namespace {

constexpr std::size_t kMaxKeyNameLength = 255;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower;
}

// The predefined roots, from HKEY_CLASSES_ROOT (0x80000000) to HKEY_DYN_DATA (0x80000006).
bool IsRoot(KeyHandle handle) {
    return handle >= static_cast<std::int32_t>(0x80000000) &&
           handle <= static_cast<std::int32_t>(0x80000006);
}

std::string RootName(KeyHandle root) {
    return std::to_string(static_cast<std::uint32_t>(static_cast<std::int32_t>(root)));
}

}  // namespace

std::optional<std::string> MemoryRegistry::PathOf(KeyHandle parent, std::string_view subKey,
                                                  std::int32_t& error) const {
    std::string path;
    if (IsRoot(parent)) {
        path = RootName(parent);
    } else if (const auto it = open_.find(parent); it != open_.end()) {
        path = it->second;
    } else {
        error = kInvalidHandle;
        return std::nullopt;
    }
    // Names are separated by single backslashes; one trailing backslash is allowed.
    if (!subKey.empty() && subKey.back() == '\\') {
        subKey.remove_suffix(1);
    }
    while (!subKey.empty()) {
        const std::size_t end = std::min(subKey.find('\\'), subKey.size());
        const std::string_view name = subKey.substr(0, end);
        if (name.empty()) {
            error = kBadPathname;
            return std::nullopt;
        }
        if (name.size() > kMaxKeyNameLength) {
            error = kInvalidParameter;
            return std::nullopt;
        }
        path += '\\';
        path += Lower(name);
        subKey.remove_prefix(std::min(end + 1, subKey.size()));
    }
    return path;
}

void MemoryRegistry::Create(const std::string& path) {
    // Every key on the way is created too.
    for (std::size_t end = path.find('\\'); end != std::string::npos;
         end = path.find('\\', end + 1)) {
        keys_.try_emplace(path.substr(0, end));
    }
    keys_.try_emplace(path);
}

void MemoryRegistry::SetValue(KeyHandle root, std::string_view subKey, std::string_view valueName,
                              std::string data, std::uint32_t type) {
    std::int32_t error = kSuccess;
    const auto path = PathOf(root, subKey, error);
    if (!path) {
        throw std::invalid_argument("MemoryRegistry::SetValue: not a key path");
    }
    Create(*path);
    keys_[*path][Lower(valueName)] = Value{type, std::move(data)};
}

std::int32_t MemoryRegistry::CreateKey(KeyHandle parent, const std::string& subKey,
                                       std::uint32_t /*access*/, KeyHandle& key) {
    std::int32_t error = kSuccess;
    const auto path = PathOf(parent, subKey, error);
    if (!path) {
        return error;
    }
    Create(*path);
    key = nextHandle_;
    nextHandle_ += 4;
    open_[key] = *path;
    return kSuccess;
}

std::int32_t MemoryRegistry::QueryValue(KeyHandle key, const std::string& valueName,
                                        std::uint32_t& type, unsigned char* data,
                                        std::uint32_t& size) {
    const auto handle = open_.find(key);
    if (handle == open_.end()) {
        return kInvalidHandle;
    }
    const Values& values = keys_[handle->second];
    const auto it = values.find(Lower(valueName));
    if (it == values.end()) {
        return kFileNotFound;
    }
    const std::string& stored = it->second.data;
    const bool fits = stored.size() <= size;
    size = static_cast<std::uint32_t>(stored.size());
    if (!fits) {
        return kMoreData;
    }
    type = it->second.type;
    if (!stored.empty()) {
        std::memcpy(data, stored.data(), stored.size());
    }
    return kSuccess;
}

std::int32_t MemoryRegistry::CloseKey(KeyHandle key) {
    return open_.erase(key) != 0 ? kSuccess : kInvalidHandle;
}

}  // namespace brenvol::settings
