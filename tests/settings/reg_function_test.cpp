#include "settings/reg_function.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "support/registry_doubles.h"

namespace brenvol::settings {
namespace {

using Op = FaultyRegistry::Operation;
constexpr std::int32_t kNo = FaultyRegistry::kUncallable;
const std::u16string kKey = u"Software\\Brenvol Test";

struct Case {
    std::string name;
    std::function<void(FaultyRegistry&)> setup;
    std::u16string expected;
    std::u16string message = u"";  // the message box's text, or "" for none
    std::u16string root = u"-2147483647";
    std::u16string subKey = kKey;
};

auto Value(std::string data, std::string name = "v") {
    return
        [=](FaultyRegistry& r) { r.SetValue(kCurrentUser, "Software\\Brenvol Test", name, data); };
}
// The value ",", then the operation fails with `code`.
auto Faults(Op op, std::int32_t code) {
    return [=](FaultyRegistry& r) {
        Value(std::string(",\0", 2))(r);
        r.FailWith(op, code);
    };
}
const auto kNothing = [](FaultyRegistry&) {};
const std::u16string kGetting = u"ERROR GETTING KEY 'v'";
const std::u16string kOpening = u"ERROR OPENING SUBKEY '" + kKey + u"'";
const std::u16string kNotCallable = u"GetRegistry(): Error '453', Specified DLL function not found";

// Every call leaves the key closed, unless closing it is what fails.
TEST(GetRegistry, ReturnsReportsAndReleases) {
    const std::u16string k256(256, 'k'), kType = u"GetRegistry(): Error '13', Type mismatch";
    const auto otherRoot = [](FaultyRegistry& r) {
        r.SetValue(static_cast<std::int32_t>(0x80000002), "Software\\Brenvol Test", "v", "m");
    };
    const Case cases[] = {
        // clang-format off
        {"one_character", Value(std::string(",\0", 2)), u","}, {"missing_value", Value("", "w"), u"dflt"},
        {"missing_key", kNothing, u"dflt"},
        {"ninety_nine_characters", Value(std::string(99, 'x') + '\0'), std::u16string(99, 'x')},
        {"one_hundred_characters", Value(std::string(100, 'x') + '\0'), kGetting},
        // The buffer is dirty: the size alone says what is text.
        {"zero_length", Value(""), u""}, {"no_terminating_nul", Value("abc"), u"ab"},
        {"code_page", Value("\x80\xE0"), u"\u20AC"}, {"other_root", otherRoot, u"", u"", u"-2147483646"},
        {"key_name_of_255", kNothing, u"dflt", u"", u"-2147483647", k256.substr(1)},
        {"key_name_of_256", kNothing, u"ERROR OPENING SUBKEY '" + k256 + u"'", u"", u"-2147483647", k256},
        {"open_fails", Faults(Op::CreateKey, 5), kOpening}, {"query_fails", Faults(Op::QueryValue, 5), kGetting},
        {"query_does_not_fit", Faults(Op::QueryValue, 234), kGetting},
        {"close_fails", Faults(Op::CloseKey, 6), u"ERROR CLOSING SUBKEY"},
        {"close_fails_after_the_query", [](FaultyRegistry& r) { Faults(Op::QueryValue, 5)(r); r.FailWith(Op::CloseKey, 6); }, u"ERROR CLOSING SUBKEY"},
        {"not_a_root", kNothing, kOpening, u"", u"-2147483640"},
        // Failures of the reader's own: shown, and what was read so far comes back.
        {"open_not_callable", Faults(Op::CreateKey, kNo), u"", kNotCallable},
        {"query_not_callable", Faults(Op::QueryValue, kNo), u"", kNotCallable},
        {"close_not_callable", Faults(Op::CloseKey, kNo), u",", kNotCallable},
        {"root_of_letters", kNothing, u"", kType, u"HKCU"}, {"root_beyond_ascii", kNothing, u"", kType, u"\u0131"},
        {"root_of_two_signs", kNothing, u"", kType, u"+-2147483647"},
        {"root_beyond_32_bits", kNothing, u"", u"GetRegistry(): Error '6', Overflow", u"2147483648"}};
    // clang-format on
    for (const Case& c : cases) {
        FaultyRegistry registry;
        FakeNotifier notifier;
        c.setup(registry);
        EXPECT_EQ(REG_Function(registry, notifier).GetRegistry(c.root, c.subKey, u"v", u"dflt"),
                  c.expected)
            << c.name;
        std::u16string shown;
        for (const auto& message : notifier.shown) {
            shown += message.text + (message.icon == MessageIcon::None ? u"|no icon" : u"|icon");
        }
        EXPECT_EQ(shown, c.message.empty() ? u"" : c.message + u"|no icon") << c.name;
        EXPECT_EQ(registry.OpenHandles(), c.name.starts_with("close") ? 1u : 0u) << c.name;
        // Read access alone (not the full KEY_READ), a text, a buffer of 100 bytes.
        if (c.name == "one_character") {
            EXPECT_EQ(std::tuple(registry.lastAccess, registry.lastType, registry.lastSize),
                      std::tuple(0x19u, kRegSz, 100u))
                << c.name;
        }
    }
}

}  // namespace
}  // namespace brenvol::settings
