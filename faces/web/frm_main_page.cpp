#include "faces/web/frm_main_page.h"

#include <emscripten.h>

#include <cstdlib>

#include "input/ctrl_character.h"
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
EM_JS(void, PageClose, (), { Module.page.close(); });

std::u16string Taken(char16_t* text) {
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

bool FrmMainPage::KeyDown(int index, std::u16string_view key, bool ctrl, bool alt, bool meta) {
    // A character key is named by its character; others by a word ("Enter", "ArrowLeft").
    const bool character = key.size() == 1;
    if (key == u"Enter" && !ctrl) {
        // Through the rule, as Windows delivers it; then the default button takes it.
        if (form_.TypedCharacter(index, u'\r')) {
            form_.Command1_Click(ui::kDefaultButton.index);
        }
        return true;
    }
    if (key == u"Escape") {
        form_.TypedCharacter(index, u'\x1B');
        return true;  // a window's Escape closes nothing here
    }
    // Ctrl with Alt is AltGr on Windows, which types the key's character.
    if (!ctrl || alt || meta) {
        return false;
    }
    const char16_t base = key == u"Backspace" ? u'\b'
                          : key == u"Enter"   ? u'\r'
                          : character && key[0] >= u'a' && key[0] <= u'z'
                              ? static_cast<char16_t>(key[0] - u'a' + u'A')
                          : character ? key[0]
                                      : u'\0';
    if (base == u'\0') {
        return false;  // Ctrl with a key that types nothing: moving, selecting, the box's own
    }
    if (const auto typed = input::CtrlCharacter(base)) {
        form_.TypedCharacter(index, *typed);
    }
    return true;
}

std::u16string FrmMainPage::TextInserted(int index, std::u16string_view text) {
    return form_.TypedText(index, text);
}

void FrmMainPage::Click(int index) {
    form_.Command1_Click(index);
}

std::u16string FrmMainPage::Text(ui::ControlName box) const {
    return Taken(PageText(NameOf(box).c_str()));
}

void FrmMainPage::SetText(ui::ControlName box, std::u16string_view text) {
    PageSetText(NameOf(box).c_str(), std::u16string(text).c_str());
}

std::optional<ui::ControlName> FrmMainPage::Focus() const {
    const std::u16string focused = Taken(PageFocus());
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

void FrmMainPage::Close() {
    PageClose();
}

}  // namespace brenvol::web
