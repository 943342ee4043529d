// What Windows delivers to an input box of frmMain's window for a key pressed there, for the
// toolkits that deliver keys otherwise: the characters the box receives, the push button that
// Enter presses, the box's own handling, or nothing.
//
// The character comes from the key and its modifiers, not from the event's text, which differs
// between platforms: Ctrl+A to Ctrl+Z are the control codes 1 to 26 everywhere, whatever the
// case or the layout's text for them. Ctrl with Alt is AltGr, which types the key's character;
// Alt alone, and the system key (Windows, Super, Command), type nothing.
#pragma once

#include <string>
#include <string_view>

#include "ui/frm_main_design.h"

namespace brenvol::ui {

// A key as a toolkit reports it.
struct KeyPress {
    // Other: a key that types no character (arrows, Home, Delete, Insert, function keys). None:
    // an event with text but no key, as some input devices send.
    enum class Key { Character, Backspace, Tab, Enter, Escape, Other, None };
    Key key;
    char32_t character = 0;      // Key::Character: the character on the key, in either case
    std::u16string_view text{};  // Key::None: the text the event carries
    bool ctrl = false, alt = false, meta = false;
};

struct KeyDelivery {
    enum class Kind {
        BoxOwn,       // the box's own handling: moving, selecting, Tab
        Nothing,      // the key must not reach the box
        Characters,   // `characters`, as typed one by one
        PressButton,  // `button` is pressed
    };
    Kind kind;
    std::u16string characters{};
    ControlName button{};
    bool operator==(const KeyDelivery&) const = default;
};

KeyDelivery TranslateKey(const KeyPress& key);

}  // namespace brenvol::ui
