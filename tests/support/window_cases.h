// The window's cases (tests/faces/window_cases.txt), read, and run by a face: each case the face
// can run goes through the face's own real input, and its end state is held against the table's.
// Each case a face leaves out is reported with the table's reason: none is skipped silently.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brenvol::test {

// One thing the user does: a key chord such as "Ctrl+Shift+Insert" or "clipboard", "click",
// "middle-click", "drop", "type"; `text` is the text typed or put on the clipboard, or the
// control clicked.
struct UserAction {
    std::vector<std::string> keys;  // a chord: its modifiers, then its key
    std::string kind;               // "key", "type", "clipboard", "click", "middle-click", "drop"
    std::u16string text;
};

// The window at the end of a case, in the table's own words: "Text1(0)=\"100\" ... beeps=0
// focus=Text1(0)", and " warning=\"...\" icon=error" or " closed" where they hold.
using WindowState = std::u16string;

// The state's parts, for a face to put together.
WindowState StateOf(const std::u16string (&boxes)[5], int beeps, const std::string& focus,
                    const std::u16string& warning, const std::string& icon, bool closed);

struct WindowCase {
    std::string title;
    std::vector<UserAction> actions;
    WindowState expected;
    std::vector<std::string> leftOut;  // "face: why"
};

// Runs every case of the table that `face` can run; `run` opens a window, does the case's actions
// with real input and returns the window's state. Prints each case left out, with its reason, and
// each that fails. Returns the number that failed, or -1 when none ran.
int RunWindowCases(const std::string& face,
                   const std::function<WindowState(const WindowCase&)>& run);

}  // namespace brenvol::test
