#include "ui/typed_character.h"

#include "input/ansi_codepage.h"

namespace brenvol::ui {
namespace {

// Qt numbers the keys that type nothing from here up; below it, a key is its character.
constexpr int kFirstNonCharacterKey = 0x01000000;

}  // namespace

std::optional<std::int16_t> TypedCharacterCode(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    switch (key) {
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Backspace:
            return ctrl ? 127 : 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ctrl ? 10 : 13;
        default:
            break;
    }
    if (key <= 0 || key >= kFirstNonCharacterKey) {
        return std::nullopt;
    }
    constexpr std::int16_t kTypesNothing = 0;
    if (modifiers.testFlag(Qt::MetaModifier)) {
        return kTypesNothing;
    }
    // Ctrl with Alt is AltGr on Windows, which types the key's character.
    if (ctrl && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return static_cast<std::int16_t>(key - Qt::Key_A + 1);
        }
        switch (key) {
            case Qt::Key_BracketLeft:
                return 27;
            case Qt::Key_Backslash:
                return 28;
            case Qt::Key_BracketRight:
                return 29;
            default:
                return kTypesNothing;
        }
    }
    if (alt && !ctrl) {
        return kTypesNothing;
    }
    // A character beyond the code page types as "?", as Windows delivers it.
    const auto ansi =
        key <= 0xFFFF ? input::UnicodeToAnsi(static_cast<char16_t>(key)) : std::nullopt;
    return static_cast<std::int16_t>(ansi.value_or('?'));
}

}  // namespace brenvol::ui
