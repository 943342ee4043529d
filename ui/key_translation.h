// What Windows delivers to frmMain's window for a key pressed on one of its controls, for the
// toolkits that deliver keys otherwise: the characters a text box receives, the push button that
// Enter presses, the control's own handling, or nothing.
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
        ControlOwn,   // the control's own handling: moving, selecting, Tab, a button's keys
        Nothing,      // the key must not reach the control
        Characters,   // `characters`, as typed one by one
        PressButton,  // `button` is pressed
    };
    Kind kind;
    std::u16string characters{};
    ControlName button{};
    bool operator==(const KeyDelivery&) const = default;
};

// `focus`: the control that has the focus. Enter presses the focused push button, else the
// default button.
KeyDelivery TranslateKey(ControlName focus, const KeyPress& key);

}  // namespace brenvol::ui
