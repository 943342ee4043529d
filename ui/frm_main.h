// frmMain's behaviour, free of any window toolkit: what happens when the window loads, when a
// character is typed or pasted into an input box, and when a button is pressed.
//
// A face (a real window on some toolkit) builds the controls from the design table, forwards
// its events to the handlers here and does what they ask through FrmMainFace. frmMain keeps no
// state but the decimal separator, read once when the window loads; the texts live in the
// face's controls. "Calcola" hands the two input texts to the calculation and writes its three
// results, or shows its warning and leaves the result boxes as they were.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "settings/reg_function.h"
#include "settings/registry_api.h"
#include "ui/frm_main_design.h"
#include "ui/key_translation.h"

namespace brenvol::ui {

// The icon a message box shows.
enum class MessageIcon { None, Error };

// What frmMain needs of a window: its boxes' texts, the focus, a modal message box, the beep,
// closing.
class FrmMainFace {
public:
    virtual ~FrmMainFace() = default;
    virtual std::u16string Text(ControlName box) const = 0;
    virtual void SetText(ControlName box, std::u16string_view text) = 0;
    // The control of the window that has the focus; nothing when the focus is elsewhere.
    virtual std::optional<ControlName> Focus() const = 0;
    // Makes the window the active one, with the focus on `control`.
    virtual void SetFocus(ControlName control) = 0;
    // Modal, owned by the window, with an OK button.
    virtual void ShowMessage(std::u16string_view text, std::u16string_view title,
                             MessageIcon icon) = 0;
    virtual void Beep() = 0;
    // Closes the window, which ends the program.
    virtual void Close() = 0;
};

// What a face does with a key once frmMain has had it: leaves it to the control (`controlOwn`),
// or keeps it from the control and puts `inserted`, perhaps nothing, at the box's selection.
struct KeyOutcome {
    bool controlOwn;
    std::u16string inserted;
    bool operator==(const KeyOutcome&) const = default;
};

class frmMain : private settings::Notifier {
public:
    using NumberFormatSource = std::function<calc::NumberFormat()>;

    // The number conversion asks `numberFormat` at each calculation.
    frmMain(FrmMainFace& face, NumberFormatSource numberFormat);

    // Reads the decimal separator from `registry` (showing the reader's failure, if any), then
    // empties the input and result boxes.
    void Form_Load(settings::RegistryApi& registry);
    // The face has shown the window: the focus goes to the first control of the tab order.
    void Shown();
    // keyAscii: the typed character's code in the ANSI code page; replaced by what the box is
    // to receive (0: nothing).
    void Text1_KeyPress(int index, std::int16_t& keyAscii);
    // 0: "Calcola"; 1: "Exit"; any other index does nothing.
    void Command1_Click(int index);

    // A key pressed on `focus`, delivered as Windows would deliver it: what it types into an
    // input box goes through Text1_KeyPress; Enter presses a button.
    KeyOutcome KeyDown(ControlName focus, const KeyPress& key);
    // A character typed into Text1(index), in UTF-16, through Text1_KeyPress: what the box is
    // to receive, or nothing. Of the control characters the rule lets through only Backspace
    // comes back, for the box to delete with; Escape, Tab, a line feed or a carriage return do
    // nothing in a one-line box.
    std::optional<char16_t> TypedCharacter(int index, char16_t typed);
    // Text that arrives all at once (a paste, a key event carrying text): what typing it
    // character by character would insert. Control characters insert nothing; a character
    // beyond 16 bits counts once. One beep, if the rule refuses any of it.
    std::u16string TypedText(int index, std::u16string_view text);

private:
    // The keystroke rule with the window's separator; beeps when the rule refuses.
    std::int16_t FilterKey(std::int16_t code);
    // style: the Windows message-box encoding, whose icon the face is told by name.
    void ShowMessage(std::u16string_view text, std::u16string_view title, int style) override;

    FrmMainFace& face_;
    NumberFormatSource numberFormat_;
    std::u16string decimalSeparator_;
    // Within TypedText: whether the rule has refused a character, to beep once at its end.
    bool pasting_ = false;
    bool refusedInPaste_ = false;
};

}  // namespace brenvol::ui
