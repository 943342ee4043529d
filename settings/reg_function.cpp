#include "settings/reg_function.h"

#include <array>
#include <charconv>
#include <limits>
#include <new>
#include <optional>

#include "encoding/ansi_code_page.h"

namespace brenvol::settings {
namespace {

constexpr std::uint32_t kBufferSize = 100;
constexpr std::uint32_t kAccess = kQueryValue | kEnumerateSubKeys | kNotify;

// A failure of the reader's own, with the number and description the user is shown.
struct OwnFailure {
    int number;
    std::string description;
};

// Signed decimal digits, nothing else, within 32 bits.
KeyHandle ParseRoot(std::u16string_view text) {
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) {
            throw OwnFailure{13, "Type mismatch"};
        }
        ascii += static_cast<char>(c);
    }
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    if (first != last && *first == '+') {
        ++first;  // from_chars takes a '-' but not a '+'
    }
    std::int32_t root = 0;
    const auto [end, ec] = std::from_chars(first, last, root);
    if (ec == std::errc::result_out_of_range) {
        throw OwnFailure{6, "Overflow"};
    }
    if (ec != std::errc() || end != last || (first != ascii.data() && *first == '-')) {
        throw OwnFailure{13, "Type mismatch"};
    }
    return root;
}

// The text of a value's data: its first size - 1 bytes, which drops the terminating NUL, and no
// further than a NUL inside them.
std::u16string TextOf(const std::array<unsigned char, kBufferSize>& buffer, std::uint32_t size) {
    if (size == 0) {
        return u"";
    }
    const std::string_view bytes(reinterpret_cast<const char*>(buffer.data()),
                                 std::min(size, kBufferSize) - 1);
    return encoding::FromAnsi(bytes.substr(0, bytes.find('\0')));
}

std::u16string Concat(std::u16string_view a, std::u16string_view b, std::u16string_view c) {
    std::u16string text(a);
    text += b;
    text += c;
    return text;
}

}  // namespace

std::u16string REG_Function::GetRegistry(std::u16string_view rootKeyText,
                                         std::u16string_view subKey, std::u16string_view valueName,
                                         std::u16string_view defaultValue) {
    std::u16string result;
    std::optional<KeyHandle> openKey;
    std::optional<OwnFailure> failure;
    try {
        const KeyHandle root = ParseRoot(rootKeyText);
        KeyHandle key = 0;
        if (registry_.CreateKey(root, encoding::ToAnsi(subKey), kAccess, key) != kSuccess) {
            return Concat(u"ERROR OPENING SUBKEY '", subKey, u"'");
        }
        openKey = key;

        std::array<unsigned char, kBufferSize> buffer{};
        std::uint32_t type = kRegSz;
        std::uint32_t size = kBufferSize;
        const std::int32_t code =
            registry_.QueryValue(key, encoding::ToAnsi(valueName), type, buffer.data(), size);
        if (code == kSuccess) {
            result = TextOf(buffer, size);
        } else if (code == kFileNotFound) {
            result = defaultValue;
        } else {
            result = Concat(u"ERROR GETTING KEY '", valueName, u"'");
        }

        openKey.reset();  // not to be closed twice, whatever the close does
        if (registry_.CloseKey(key) != kSuccess) {
            result = u"ERROR CLOSING SUBKEY";
        }
        return result;
    } catch (const OwnFailure& own) {
        failure = own;
    } catch (const RegistryCallError& error) {
        failure = OwnFailure{error.number(), error.what()};
    } catch (const std::bad_alloc&) {
        failure = OwnFailure{7, "Out of memory"};
    } catch (const std::exception& error) {
        failure = OwnFailure{51, std::string("Internal error: ") + error.what()};
    }

    // A key still open when the failure struck is released, as well as can be.
    if (openKey) {
        try {
            registry_.CloseKey(*openKey);
        } catch (...) {
        }
    }
    const std::u16string message =
        Concat(u"GetRegistry(): Error '", encoding::FromAnsi(std::to_string(failure->number)),
               u"', ") +
        encoding::FromAnsi(failure->description);
    notifier_.Notify(message, MessageIcon::None);
    return result;
}

}  // namespace brenvol::settings
