#include "faces/qt/typed_character.h"

#include "input/ctrl_character.h"

namespace brenvol::qt {
namespace {

// Qt numbers the keys that type nothing from here up; below it, a key is its character.
constexpr int kFirstNonCharacterKey = 0x01000000;

}  // namespace

TypedKey TypedCharacter(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    // Ctrl with Alt is AltGr on Windows, which types the key's character.
    const bool ctrlAlone = ctrl && !alt;
    char16_t base = 0;
    switch (key) {
        case Qt::Key_Escape:
            return {TypedKey::Kind::Types, u'\x1B'};
        case Qt::Key_Tab:
            return {TypedKey::Kind::Types, u'\t'};
        case Qt::Key_Backspace:
            base = u'\b';
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            base = u'\r';
            break;
        default:
            if (key <= 0 || key >= kFirstNonCharacterKey) {
                return {TypedKey::Kind::BoxOwn};
            }
            if (modifiers.testFlag(Qt::MetaModifier) || (alt && !ctrl)) {
                return {TypedKey::Kind::TypesNothing};
            }
            // A character beyond 16 bits has no code in the code page either.
            base = key <= 0xFFFF ? static_cast<char16_t>(key) : u'\uFFFD';
    }
    if (ctrlAlone) {
        const auto ctrlled = input::CtrlCharacter(base);
        return ctrlled ? TypedKey{TypedKey::Kind::Types, *ctrlled}
                       : TypedKey{TypedKey::Kind::TypesNothing};
    }
    return {TypedKey::Kind::Types, base};
}

}  // namespace brenvol::qt
