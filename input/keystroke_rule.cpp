#include "input/keystroke_rule.h"

#include "encoding/ansi_code_page.h"

namespace brenvol::input {
namespace {

bool IsOneOf(std::int16_t code, std::u16string_view set) {
    return code > 0 && set.find(static_cast<char16_t>(code)) != std::u16string_view::npos;
}

}  // namespace

KeyVerdict KeystrokeRule(std::int16_t code, std::u16string_view separator) {
    // Escape, Backspace, Tab, line feed (Ctrl+Enter), carriage return (Enter), minus.
    if (IsOneOf(code, u"\x1B\b\t\n\r-") || (code >= '0' && code <= '9')) {
        return {code, false};
    }
    if (IsOneOf(code, u"\\/;:.,")) {
        const auto ansi =
            separator.empty() ? std::nullopt : encoding::UnicodeToAnsi(separator.front());
        return {static_cast<std::int16_t>(ansi.value_or(0)), false};
    }
    return {0, true};
}

}  // namespace brenvol::input
