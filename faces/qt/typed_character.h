// Which Qt keystrokes type a character into a text box, and which character, as Windows would
// deliver it for the same keys.
//
// The character comes from the key and its modifiers, not from the event's text, which differs
// between platforms: Ctrl+A to Ctrl+Z are the control codes 1 to 26 everywhere. Keys that are
// not characters (arrows, Home, End, Delete, function keys, Shift+Tab) stay the box's own. A
// character key that types nothing, as with Alt, must not reach the box, since some platforms
// would insert its text all the same.
#pragma once

#include <QKeyEvent>

namespace brenvol::qt {

struct TypedKey {
    enum class Kind { BoxOwn, TypesNothing, Types } kind;
    char16_t character = 0;  // what it types
};

TypedKey TypedCharacter(int key, Qt::KeyboardModifiers modifiers);

}  // namespace brenvol::qt
