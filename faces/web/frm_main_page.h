// frmMain in a web page. The page's elements are the controls, made from the design table when
// the page was built (make_page.cpp) and named as they are; the page's script (page.js) does what
// frmMain asks of the window and brings the page's events here.
//
// What the page decides itself, because a browser makes it the page's job: the decimal separator
// comes from the browser's languages; what is typed, moved or pressed before the WebAssembly is
// ready waits for it; a press on what takes no focus leaves the focus where it is; the message
// box is a dialog of the page's and the beep a tone; "Exit" hides the window where the browser
// keeps the tab open. Every character that reaches an input box, typed, pasted, dropped or
// composed, goes through frmMain first.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/memory_registry.h"
#include "ui/frm_main.h"

namespace brenvol::web {

class FrmMainPage : public ui::FrmMainFace {
public:
    // Loads the window over an in-memory registry that holds `separator`, the decimal separator
    // of the browser's language, which numbers are also converted with; then the first control
    // has the focus.
    explicit FrmMainPage(std::u16string_view separator);

    // A key pressed in Text1(index), as the browser names it (KeyboardEvent.key), with its
    // modifiers: nothing when the browser is to act on it; else what goes in at the box's
    // selection, perhaps nothing, and the browser must not act on it.
    std::optional<std::u16string> KeyDown(int index, std::u16string_view key, bool ctrl, bool alt,
                                          bool meta);
    // Text about to go into Text1(index): what the box receives instead.
    std::u16string TextInserted(int index, std::u16string_view text);
    // Command1(index) pressed.
    void Click(int index);

    std::u16string Text(ui::ControlName box) const override;
    void SetText(ui::ControlName box, std::u16string_view text) override;
    std::optional<ui::ControlName> Focus() const override;
    void SetFocus(ui::ControlName control) override;
    void ShowMessage(std::u16string_view text, std::u16string_view title,
                     ui::MessageIcon icon) override;
    void Beep() override;
    void Announce(std::u16string_view text) override;
    void Close() override;

private:
    std::u16string separator_;
    settings::MemoryRegistry registry_;
    ui::frmMain form_;
};

}  // namespace brenvol::web
