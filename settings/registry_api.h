// The three registry operations the reader needs, with the Windows registry's own result codes
// and arguments, so that the real registry and the in-memory stand-in are interchangeable.
// Names and data cross this interface in the ANSI code page, as bytes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace brenvol::settings {

// A key handle; the predefined roots are negative 32-bit values, sign-extended.
using KeyHandle = std::intptr_t;
inline constexpr KeyHandle kCurrentUser = static_cast<std::int32_t>(0x80000001);

// Result codes.
inline constexpr std::int32_t kSuccess = 0;
inline constexpr std::int32_t kFileNotFound = 2;
inline constexpr std::int32_t kInvalidHandle = 6;
inline constexpr std::int32_t kInvalidParameter = 87;
inline constexpr std::int32_t kBadPathname = 161;
inline constexpr std::int32_t kMoreData = 234;

inline constexpr std::uint32_t kRegSz = 1;  // value type: a NUL-terminated text

// Access rights that allow reading a key's values, listing it and watching it, and no more.
inline constexpr std::uint32_t kQueryValue = 0x1;
inline constexpr std::uint32_t kEnumerateSubKeys = 0x8;
inline constexpr std::uint32_t kNotify = 0x10;

// Raised by an operation that cannot be called at all, such as a missing entry point. `number`
// and the message are what the user is told.
class RegistryCallError : public std::runtime_error {
public:
    RegistryCallError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    // Opens `subKey` under `parent` with `access` into `key`, creating it, empty and lasting,
    // with no class and the default security, when it does not exist.
    virtual std::int32_t CreateKey(KeyHandle parent, const std::string& subKey,
                                   std::uint32_t access, KeyHandle& key) = 0;

    // Copies a value's data into `data`, which holds `size` bytes. On success `size` becomes the
    // data's size in bytes, a text's terminating NUL included; when the data does not fit, the
    // result is kMoreData and `size` the size needed; a missing value gives kFileNotFound.
    virtual std::int32_t QueryValue(KeyHandle key, const std::string& valueName,
                                    std::uint32_t& type, unsigned char* data,
                                    std::uint32_t& size) = 0;

    virtual std::int32_t CloseKey(KeyHandle key) = 0;
};

}  // namespace brenvol::settings
