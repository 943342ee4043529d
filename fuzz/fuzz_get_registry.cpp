// GetRegistry over a fuzzed in-memory registry: it returns only the value, the default or one
// of its error texts; it tells the user of a failure at most once, and only of its own; and it
// leaves no key open unless closing it failed.
#include <algorithm>
#include <set>

#include "encoding/ansi_code_page.h"
#include "fuzz_check.h"
#include "settings/reg_function.h"
#include "support/registry_doubles.h"

using namespace brenvol;
using settings::FaultyRegistry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    FaultyRegistry registry;
    bool ownFailure = false, closeFails = false, queryFaked = false;
    for (auto op : {FaultyRegistry::Operation::CreateKey, FaultyRegistry::Operation::QueryValue,
                    FaultyRegistry::Operation::CloseKey}) {
        if (in.ConsumeIntegralInRange(0, 2) == 0) {
            const std::int32_t code = in.ConsumeIntegral<std::int32_t>();
            registry.FailWith(op, code);
            ownFailure |= code == FaultyRegistry::kUncallable;
            closeFails |= op == FaultyRegistry::Operation::CloseKey;
            queryFaked |= op == FaultyRegistry::Operation::QueryValue && code == 0;
        }
    }
    const std::string stored = in.ConsumeRandomLengthString(300);
    if (in.ConsumeBool()) {
        registry.SetValue(settings::kCurrentUser, "Control Panel\\International", "sDecimal",
                          stored);
    }
    const auto pick = [&in](std::u16string_view usual) {
        return in.ConsumeBool() ? std::u16string(usual)
                                : fuzz::Latin1(in.ConsumeRandomLengthString(40));
    };
    const std::u16string root = pick(u"-2147483647");
    const std::u16string subKey = pick(u"Control Panel\\International");
    const std::u16string valueName = pick(u"sDecimal");
    const std::u16string defaultValue = fuzz::Latin1(in.ConsumeRandomLengthString(20));

    FakeNotifier notifier;
    const std::u16string result = settings::REG_Function(registry, notifier)
                                      .GetRegistry(root, subKey, valueName, defaultValue);

    // What the stored value reads as: up to its last byte or its first NUL, within the buffer.
    std::string text = stored.substr(0, std::min<std::size_t>(stored.size(), 100));
    text = text.substr(0, text.empty() ? 0 : text.size() - 1);
    const std::set<std::u16string> allowed = {
        u"", defaultValue, encoding::FromAnsi(text.substr(0, text.find('\0'))),
        u"ERROR OPENING SUBKEY '" + subKey + u"'", u"ERROR GETTING KEY '" + valueName + u"'",
        u"ERROR CLOSING SUBKEY",
        // A query that says it worked without writing: the buffer as it was, dirty.
        queryFaked ? std::u16string(99, u'x') : u""};
    FUZZ_CHECK(allowed.count(result) == 1);
    // At most one message, only of its own failures: a root text that is not a number, an
    // operation that cannot be called.
    FUZZ_CHECK(notifier.shown.empty() ||
               (notifier.shown.size() == 1 && notifier.shown[0].title == u"Brenvol" &&
                (root != u"-2147483647" || ownFailure)));
    FUZZ_CHECK(registry.OpenHandles() == 0 || closeFails);
    return 0;
}
