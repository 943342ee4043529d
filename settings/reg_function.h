// GetRegistry: one text value from the registry, never failing towards its caller.
//
// It returns the value; or the default when the value does not exist; or, in place of the
// value, "ERROR OPENING SUBKEY '<key>'", "ERROR GETTING KEY '<value>'" or "ERROR CLOSING
// SUBKEY". A failure of its own (a root text that is not a 32-bit number, an operation that
// cannot be called, memory running out) is shown to the user in one message box, and it then
// returns what it had read so far. A missing key is created, empty, by reading from it.
#pragma once

#include <string>
#include <string_view>

#include "settings/registry_api.h"

namespace brenvol::settings {

// The icon of a message box.
enum class MessageIcon { None, Error };

// How the reader tells the user of its own failures: a modal box with an OK button, captioned
// with the application's title.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Notify(std::u16string_view text, MessageIcon icon) = 0;
};

class REG_Function {
public:
    REG_Function(RegistryApi& registry, Notifier& notifier)
        : registry_(registry), notifier_(notifier) {}

    // rootKeyText: a predefined root's handle value as signed decimal text ("-2147483647" for
    // HKEY_CURRENT_USER).
    std::u16string GetRegistry(std::u16string_view rootKeyText, std::u16string_view subKey,
                               std::u16string_view valueName, std::u16string_view defaultValue);

private:
    RegistryApi& registry_;
    Notifier& notifier_;
};

}  // namespace brenvol::settings
