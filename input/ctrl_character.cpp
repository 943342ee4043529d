#include "input/ctrl_character.h"

namespace brenvol::input {

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

}  // namespace brenvol::input
