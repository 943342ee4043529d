#include "faces/qt/typed_character.h"

#include <optional>

namespace brenvol::qt {
namespace {

// Qt numbers the keys that type nothing from here up; below it, a key is its character.
constexpr int kFirstNonCharacterKey = 0x01000000;

// The character that Ctrl with a key types, as Windows delivers it: Ctrl+A to Ctrl+Z the
// control codes 1 to 26, Ctrl+[ Escape, Ctrl+\ 28, Ctrl+] 29, Ctrl+^ 30, Ctrl+_ 31,
// Ctrl+Backspace 127 and Ctrl+Enter a line feed. Nothing for any other key: Ctrl with a digit
// or other punctuation types nothing, so it neither beeps nor inserts.
// `key`: the character on the key, a letter in capitals ('\b' for Backspace, '\r' for Enter).
std::optional<char16_t> CtrlCharacter(char16_t key) {
    if (key >= u'A' && key <= u'_') {
        return static_cast<char16_t>(key - u'@');  // A-Z, [ \ ] ^ _: 1 to 31
    }
    switch (key) {
        case u'\b':
            return u'\x7F';
        case u'\r':
            return u'\n';
        default:
            return std::nullopt;
    }
}

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
        const auto ctrlled = CtrlCharacter(base);
        return ctrlled ? TypedKey{TypedKey::Kind::Types, *ctrlled}
                       : TypedKey{TypedKey::Kind::TypesNothing};
    }
    return {TypedKey::Kind::Types, base};
}

}  // namespace brenvol::qt
