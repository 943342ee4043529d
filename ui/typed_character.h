// Which keystrokes type a character into a text box, and that character's code as the keystroke
// rule takes it: the signed 16-bit code in the ANSI code page.
//
// The code comes from the key and its modifiers, not from the event's text, which differs
// between platforms: Ctrl+A to Ctrl+Z are the control codes 1 to 26 everywhere. Keys that are
// not characters (arrows, Home, End, Delete, function keys, Shift+Tab) give nothing and stay the
// toolkit's own. A character key that types nothing, as with Alt, gives 0: the box must not see
// it, since some toolkits would insert its text all the same.
#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace brenvol::ui {

std::optional<std::int16_t> TypedCharacterCode(int key, Qt::KeyboardModifiers modifiers);

}  // namespace brenvol::ui
