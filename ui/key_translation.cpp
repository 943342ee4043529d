#include "ui/key_translation.h"

#include "encoding/ansi_code_page.h"
#include "input/ctrl_character.h"

namespace brenvol::ui {
namespace {

using Kind = KeyDelivery::Kind;

KeyDelivery Typed(std::u16string characters) {
    return {Kind::Characters, std::move(characters)};
}

}  // namespace

KeyDelivery TranslateKey(ControlName focus, const KeyPress& key) {
    if (DesignOf(focus).kind == ControlKind::Button) {
        return key.key == KeyPress::Key::Enter && !key.alt && !key.meta
                   ? KeyDelivery{Kind::PressButton, {}, focus}
                   : KeyDelivery{Kind::ControlOwn};
    }
    char32_t base = 0;
    switch (key.key) {
        case KeyPress::Key::Enter:
            if (key.alt || key.meta) {
                return {Kind::Nothing};
            }
            if (!key.ctrl) {
                return {Kind::PressButton, {}, kDefaultButton};
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
            return {Kind::ControlOwn};
        case KeyPress::Key::None:
            return key.text.empty() ? KeyDelivery{Kind::ControlOwn}
                                    : Typed(std::u16string(key.text));
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
    // Ctrl alone: a letter in either case gives its control code.
    const char32_t upper = base >= U'a' && base <= U'z' ? base - U'a' + U'A' : base;
    const auto ctrlled =
        upper <= 0xFFFF ? input::CtrlCharacter(static_cast<char16_t>(upper)) : std::nullopt;
    return ctrlled ? Typed(std::u16string(1, *ctrlled)) : KeyDelivery{Kind::Nothing};
}

}  // namespace brenvol::ui
