// frmMain's behaviour, free of any window toolkit: what happens when the window loads, when a key
// is pressed or text arrives in an input box, when a button is pressed, and when the window loses
// and regains the keyboard.
//
// A face (a real window on some toolkit) builds the controls from the design table, forwards
// its events to the handlers here and does what they ask through FrmMainFace. The texts live in
// the face's controls; frmMain keeps the decimal separator, read once when the window loads,
// and the control that had the focus when the window last lost the keyboard. "Calcola" hands the
// two input texts to the calculation and writes its three results, or shows its warning and
// leaves the result boxes as they were. The results are also said to screen readers, each with
// its caption, since the result boxes never take the focus.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "input/keystroke_rule.h"
#include "settings/reg_function.h"
#include "settings/registry_api.h"
#include "ui/frm_main_design.h"
#include "ui/key_translation.h"

namespace brenvol::ui {

using settings::MessageIcon;

// What frmMain needs of a window: its boxes' texts, the focus, a modal message box, the beep,
// a message for screen readers, closing.
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
    // Has screen readers say `text` now, as news that moves no focus: the platform's own means
    // for a message that is not a focus change.
    virtual void Announce(std::u16string_view text) = 0;
    // Closes the window, which ends the program.
    virtual void Close() = 0;
};

// What a face does with a key once frmMain has had it: leaves it to the box (`boxOwn`), or keeps
// it from the box and puts `inserted`, perhaps nothing, at the box's selection.
struct KeyOutcome {
    bool boxOwn;
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
    // Command1(index) pressed: "Calcola" or "Exit"; any other index does nothing.
    void Command1_Click(int index);
    // The window lost the keyboard to another, or has it back: the focus goes back where it was.
    void Deactivated();
    void Activated();

    // A key pressed in Text1(index), delivered as Windows would deliver it: what it types goes
    // through the keystroke rule; Enter presses the default button.
    KeyOutcome KeyDown(int index, const KeyPress& key);
    // A character typed into Text1(index), in UTF-16, through the rule, as Windows delivers one:
    // what the box is to receive, or nothing, with a beep where the rule refuses it. Of the
    // control characters the rule lets through only Backspace comes back, for the box to delete
    // with; Escape, Tab, a line feed or a carriage return do nothing in a one-line box.
    std::optional<char16_t> TypedCharacter(int index, char16_t typed);
    // Text that arrives all at once (a paste, a drop, a key event carrying text): what typing it
    // character by character would insert, a character beyond 16 bits counting once. One beep,
    // if the rule refuses any of it.
    std::u16string TypedText(int index, std::u16string_view text);

private:
    struct Typed {
        std::optional<char16_t> received;
        bool refused;
    };
    // The keystroke rule with the window's separator.
    input::KeyVerdict FilterKey(std::int16_t code) const;
    // keyAscii: the typed character's code in the ANSI code page, replaced by what the box is to
    // receive (0: nothing); whether the rule refused it.
    bool Text1_KeyPress(int index, std::int16_t& keyAscii) const;
    Typed Type(int index, char16_t typed) const;
    // The reader's failure, in a box captioned with the window's title.
    void Notify(std::u16string_view text, MessageIcon icon) override;
    void ShowMessage(std::u16string_view text, std::u16string_view title, MessageIcon icon);

    FrmMainFace& face_;
    NumberFormatSource numberFormat_;
    std::u16string decimalSeparator_;
    std::optional<ControlName> focusBeforeDeactivation_;
};

}  // namespace brenvol::ui
