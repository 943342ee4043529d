#include "faces/web/frm_main_page.h"

#include <emscripten.h>

#include <cstdlib>

#include "encoding/ansi_code_page.h"
#include "regional/user_registry.h"

namespace brenvol::web {
namespace {

// What the page's script does for the window (page.js: Module.page). Texts cross as UTF-16;
// one the script returns is the caller's to free.
EM_JS(char16_t*, PageText, (const char16_t* name),
      { return Module.page.copyOut(Module.page.text(UTF16ToString(name))); });
EM_JS(void, PageSetText, (const char16_t* name, const char16_t* text),
      { Module.page.setText(UTF16ToString(name), UTF16ToString(text)); });
EM_JS(char16_t*, PageFocus, (), { return Module.page.copyOut(Module.page.focus()); });
EM_JS(void, PageSetFocus, (const char16_t* name), { Module.page.setFocus(UTF16ToString(name)); });
EM_JS(void, PageShowMessage, (const char16_t* text, const char16_t* title, const char* icon),
      { Module.page.showMessage(UTF16ToString(text), UTF16ToString(title), UTF8ToString(icon)); });
EM_JS(void, PageBeep, (), { Module.page.beep(); });
EM_JS(void, PageAnnounce, (const char16_t* text), { Module.page.announce(UTF16ToString(text)); });
EM_JS(void, PageClose, (), { Module.page.close(); });

// A text the script made in memory of its own: copied, and the memory freed.
std::u16string TakeOver(char16_t* text) {
    std::u16string taken(text);
    std::free(text);
    return taken;
}

std::u16string NameOf(ui::ControlName name) {
    const std::string text = ui::NameText(name);
    return std::u16string(text.begin(), text.end());
}

}  // namespace

FrmMainPage::FrmMainPage(std::u16string_view separator)
    : separator_(separator), form_(*this, [this] { return calc::NumberFormat{separator_}; }) {
    regional::SeedRegionalSettings(registry_, separator_);
    form_.Form_Load(registry_);
    form_.Shown();
}

std::optional<std::u16string> FrmMainPage::KeyDown(int index, std::u16string_view key, bool ctrl,
                                                   bool alt, bool meta) {
    // A character key is named by its character, one code point; others by a word ("Enter",
    // "ArrowLeft", "Dead", "Unidentified").
    using Key = ui::KeyPress::Key;
    const bool pair = key.size() == 2 && encoding::StartsSurrogatePair(key, 0);
    const Key named = key == u"Enter"           ? Key::Enter
                      : key == u"Backspace"     ? Key::Backspace
                      : key == u"Tab"           ? Key::Tab
                      : key == u"Escape"        ? Key::Escape
                      : key.size() == 1 || pair ? Key::Character
                                                : Key::Other;
    const char32_t character = named == Key::Character ? encoding::CharacterAt(key, 0) : 0;
    const ui::KeyOutcome outcome = form_.KeyDown(index, {named, character, {}, ctrl, alt, meta});
    return outcome.boxOwn ? std::nullopt : std::optional(outcome.inserted);
}

std::u16string FrmMainPage::TextInserted(int index, std::u16string_view text) {
    return form_.TypedText(index, text);
}

void FrmMainPage::Click(int index) {
    form_.Command1_Click(index);
}

std::u16string FrmMainPage::Text(ui::ControlName box) const {
    return TakeOver(PageText(NameOf(box).c_str()));
}

void FrmMainPage::SetText(ui::ControlName box, std::u16string_view text) {
    PageSetText(NameOf(box).c_str(), std::u16string(text).c_str());
}

std::optional<ui::ControlName> FrmMainPage::Focus() const {
    const std::u16string focused = TakeOver(PageFocus());
    for (const ui::ControlDesign& design : ui::FrmMainControls()) {
        if (NameOf(design.name) == focused) {
            return design.name;
        }
    }
    return std::nullopt;
}

void FrmMainPage::SetFocus(ui::ControlName control) {
    PageSetFocus(NameOf(control).c_str());
}

void FrmMainPage::ShowMessage(std::u16string_view text, std::u16string_view title,
                              ui::MessageIcon icon) {
    PageShowMessage(std::u16string(text).c_str(), std::u16string(title).c_str(),
                    icon == ui::MessageIcon::Error ? "error" : "none");
}

void FrmMainPage::Beep() {
    PageBeep();
}

void FrmMainPage::Announce(std::u16string_view text) {
    PageAnnounce(std::u16string(text).c_str());
}

void FrmMainPage::Close() {
    PageClose();
}

}  // namespace brenvol::web
