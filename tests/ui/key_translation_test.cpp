// What Windows delivers for a key, as each toolkit reports it.
#include "ui/key_translation.h"

#include <gtest/gtest.h>

namespace brenvol::ui {
namespace {

using Key = KeyPress::Key;
using Kind = KeyDelivery::Kind;
constexpr ControlName kBox{ControlArray::Text1, 1};
constexpr ControlName kExit{ControlArray::Command1, 1};

TEST(TranslateKey, DeliversWhatWindowsWould) {
    const KeyDelivery own{Kind::ControlOwn}, nothing{Kind::Nothing};
    const auto typed = [](std::u16string characters) {
        return KeyDelivery{Kind::Characters, characters};
    };
    // clang-format off
    const struct { ControlName focus; KeyPress key; KeyDelivery expected; } rows[] = {
        // A character; with AltGr, Alt, the system key; Ctrl with a digit or punctuation.
        {kBox, {Key::Character, U'7'}, typed(u"7")}, {kBox, {Key::Character, U'.', {}, true, true}, typed(u".")},
        {kBox, {Key::Character, U'5', {}, false, true}, nothing}, {kBox, {Key::Character, U'5', {}, false, false, true}, nothing},
        {kBox, {Key::Character, U'5', {}, true}, nothing}, {kBox, {Key::Character, U'[', {}, true}, typed(u"\x1B")},
        {kBox, {Key::Character, U'_', {}, true}, typed(u"\x1F")},
        // Beyond 16 bits, typed and with Ctrl; text with no key.
        {kBox, {Key::Character, U'\U0001F50B'}, typed(u"\U0001F50B")}, {kBox, {Key::Character, U'\U0001F50B', {}, true}, nothing},
        {kBox, {Key::None, 0, u"1.\U0001F50B"}, typed(u"1.\U0001F50B")}, {kBox, {Key::None, 0, u""}, own},
        // Editing and moving keys.
        {kBox, {Key::Backspace}, typed(u"\b")}, {kBox, {Key::Backspace, 0, {}, true}, typed(u"\x7F")},
        {kBox, {Key::Escape}, typed(u"\x1B")}, {kBox, {Key::Tab, 0, {}, true}, own}, {kBox, {Key::Other, 0, {}, true}, own},
        // Enter in a box, with Ctrl, with AltGr; on a button that is not the default.
        {kBox, {Key::Enter}, {Kind::PressButton, {}, kDefaultButton}}, {kBox, {Key::Enter, 0, {}, true}, typed(u"\n")},
        {kBox, {Key::Enter, 0, {}, true, true}, nothing}, {kExit, {Key::Enter}, {Kind::PressButton, {}, kExit}},
        {kExit, {Key::Enter, 0, {}, false, true}, own}, {kExit, {Key::Character, U'7'}, own},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(TranslateKey(row.focus, row.key), row.expected) << "row " << &row - rows;
    }
    // Ctrl with each letter, in either case: its control code.
    for (char32_t letter = U'a'; letter <= U'z'; ++letter) {
        const std::u16string code(1, static_cast<char16_t>(letter - U'a' + 1));
        EXPECT_EQ(TranslateKey(kBox, {Key::Character, letter, {}, true}), typed(code));
        EXPECT_EQ(TranslateKey(kBox, {Key::Character, letter - U'a' + U'A', {}, true}),
                  typed(code));
    }
}

}  // namespace
}  // namespace brenvol::ui
