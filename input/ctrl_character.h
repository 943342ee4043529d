// The character that Ctrl with a key types, as Windows delivers it to a text box, for the
// windows whose toolkit does not: Ctrl+A to Ctrl+Z are the control codes 1 to 26 everywhere.
#pragma once

#include <optional>

namespace brenvol::input {

// Ctrl+A to Ctrl+Z give 1 to 26, Ctrl+[ Escape, Ctrl+\ 28, Ctrl+] 29, Ctrl+^ 30, Ctrl+_ 31,
// Ctrl+Backspace 127 and Ctrl+Enter a line feed. Nothing for any other key: Ctrl with a digit or
// other punctuation types nothing, so it neither beeps nor inserts.
// `key`: the character on the key, a letter in capitals ('\b' for Backspace, '\r' for Enter).
std::optional<char16_t> CtrlCharacter(char16_t key);

}  // namespace brenvol::input
