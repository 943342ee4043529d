#include "ui/key_translation.h"

#include <optional>

#include "encoding/ansi_code_page.h"

namespace brenvol::ui {
namespace {

using Kind = KeyDelivery::Kind;

KeyDelivery Typed(std::u16string characters) {
    return {Kind::Characters, std::move(characters)};
}

// The character Ctrl with `key` types, as Windows delivers it: Ctrl+A to Ctrl+Z give 1 to 26,
// Ctrl+[ Escape, Ctrl+\ 28, Ctrl+] 29, Ctrl+^ 30, Ctrl+_ 31, Ctrl+Backspace 127 and Ctrl+Enter a
// line feed. Nothing for any other key: Ctrl with a digit or other punctuation types nothing, so
// it neither beeps nor inserts. `key`: the character on the key, a letter in either case ('\b'
// for Backspace, '\r' for Enter).
std::optional<char16_t> CtrlCharacter(char32_t key) {
    const char32_t upper = key >= U'a' && key <= U'z' ? key - U'a' + U'A' : key;
    if (upper >= U'A' && upper <= U'_') {
        return static_cast<char16_t>(upper - U'@');  // A-Z, [ \ ] ^ _: 1 to 31
    }
    switch (key) {
        case U'\b':
            return u'\x7F';
        case U'\r':
            return u'\n';
        default:
            return std::nullopt;
    }
}

}  // namespace

KeyDelivery TranslateKey(const KeyPress& key) {
    char32_t base = 0;
    switch (key.key) {
        case KeyPress::Key::Enter:
            if (key.alt || key.meta) {
                return {Kind::Nothing};
            }
            if (!key.ctrl) {
                return {Kind::PressButton, {}, EnterPresses(kCurrentBox)};
            }
            base = U'\r';
            break;
        case KeyPress::Key::Backspace:
            base = U'\b';
            break;
        case KeyPress::Key::Escape:
            return Typed(u"\x1B");
        case KeyPress::Key::Tab:
        case KeyPress::Key::Other:
            return {Kind::BoxOwn};
        case KeyPress::Key::None:
            return key.text.empty() ? KeyDelivery{Kind::BoxOwn} : Typed(std::u16string(key.text));
        case KeyPress::Key::Character:
            if (key.meta || (key.alt && !key.ctrl) || key.character == 0 ||
                key.character > 0x10FFFF) {
                return {Kind::Nothing};
            }
            base = key.character;
            break;
    }
    if (!key.ctrl || key.alt) {
        return Typed(encoding::Utf16(base));
    }
    const auto control = CtrlCharacter(base);
    return control ? Typed(std::u16string(1, *control)) : KeyDelivery{Kind::Nothing};
}

}  // namespace brenvol::ui
