// GetRegistry over the in-memory registry, with any key name, value name and stored bytes: it
// never throws; a stored value comes back as its text, ending where the value ends (the size it
// was stored with, less its NUL, and no further than a NUL within), or as the error text for a
// value that does not fit 100 bytes; a missing one as the default.
#include <fuzzer/FuzzedDataProvider.h>

#include "encoding/ansi_code_page.h"
#include "fuzz/fuzz_check.h"
#include "settings/memory_registry.h"
#include "settings/reg_function.h"

using namespace brenvol;

namespace {

class CountingNotifier : public settings::Notifier {
public:
    void Notify(std::u16string_view, settings::MessageIcon) override { ++shown; }
    int shown = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string key = in.ConsumeRandomLengthString(300);
    const std::string valueName = in.ConsumeRandomLengthString(40);
    bool stored = in.ConsumeBool();
    const std::uint32_t type = in.ConsumeIntegral<std::uint32_t>();
    const std::string bytes = in.ConsumeRandomLengthString(300);
    const std::u16string rootText = fuzz::Utf16(in.ConsumeRemainingBytesAsString());

    settings::MemoryRegistry registry;
    try {
        if (stored) {
            registry.SetValue(settings::kCurrentUser, key, valueName, bytes, type);
        }
    } catch (const std::invalid_argument&) {
        stored = false;  // not a key's path
    }
    CountingNotifier notifier;
    settings::REG_Function reader(registry, notifier);
    const std::u16string subKey = encoding::FromAnsi(key);
    const std::u16string name = encoding::FromAnsi(valueName);
    const std::u16string result = reader.GetRegistry(rootText, subKey, name, u"default");
    if (rootText != u"-2147483647") {
        return 0;  // another root, or no number: another key, or the reader's own failure
    }
    FUZZ_CHECK(notifier.shown == 0);
    if (result.starts_with(u"ERROR OPENING SUBKEY '")) {
        FUZZ_CHECK(result == u"ERROR OPENING SUBKEY '" + subKey + u"'");
        FUZZ_CHECK(!stored);  // a key that holds a value opens
        return 0;
    }
    if (!stored) {
        FUZZ_CHECK(result == u"default");
        return 0;
    }
    const std::string_view value(bytes);
    if (value.size() > 100) {
        FUZZ_CHECK(result == u"ERROR GETTING KEY '" + name + u"'");
    } else {
        const std::string_view text = value.substr(0, value.empty() ? 0 : value.size() - 1);
        FUZZ_CHECK(result == encoding::FromAnsi(text.substr(0, text.find('\0'))));
    }
    return 0;
}
