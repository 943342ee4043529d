#include "ui/frm_main.h"

#include <variant>

#include "calc/charge_time.h"
#include "encoding/ansi_code_page.h"
#include "input/keystroke_rule.h"
#include "settings/decimal_separator.h"

namespace brenvol::ui {
namespace {

// The warning's message box: its title, and an OK button with the error icon.
constexpr std::u16string_view kWarningTitle = u"Attenzione";
constexpr int kIconMask = 0xF0;
constexpr int kIconError = 0x10;
constexpr int kWarningStyle = kIconError;

}  // namespace

frmMain::frmMain(FrmMainFace& face, NumberFormatSource numberFormat)
    : face_(face), numberFormat_(std::move(numberFormat)) {}

void frmMain::Form_Load(settings::RegistryApi& registry) {
    settings::REG_Function reader(registry, *this);
    decimalSeparator_ = settings::LoadDecimalSeparator(reader);
    for (ControlName box :
         {kCurrentBox, kCapacityBox, kResultBoxes[0], kResultBoxes[1], kResultBoxes[2]}) {
        face_.SetText(box, u"");
    }
}

void frmMain::Shown() {
    face_.SetFocus(TabOrder().front());
}

std::int16_t frmMain::FilterKey(std::int16_t code) {
    const auto verdict = input::KeystrokeRule(code, decimalSeparator_);
    if (verdict.beep && pasting_) {
        refusedInPaste_ = true;
    } else if (verdict.beep) {
        face_.Beep();
    }
    return verdict.code;
}

void frmMain::Text1_KeyPress(int /*index*/, std::int16_t& keyAscii) {
    keyAscii = FilterKey(keyAscii);
}

void frmMain::Command1_Click(int index) {
    if (index == 0) {
        const auto outcome =
            calc::Calculate(face_.Text(kCurrentBox), face_.Text(kCapacityBox), numberFormat_());
        if (const auto* results = std::get_if<calc::Results>(&outcome)) {
            face_.SetText(kResultBoxes[0], results->hours);
            face_.SetText(kResultBoxes[1], results->minutes);
            face_.SetText(kResultBoxes[2], results->seconds);
        } else {
            // A failure gets the rejection's warning too: silence would leave the user
            // without an answer.
            ShowMessage(calc::kWarningText, kWarningTitle, kWarningStyle);
        }
    } else if (index == 1) {
        face_.Close();
    }
}

KeyOutcome frmMain::KeyDown(ControlName focus, const KeyPress& key) {
    const KeyDelivery delivery = TranslateKey(focus, key);
    switch (delivery.kind) {
        case KeyDelivery::Kind::ControlOwn:
            return {true, {}};
        case KeyDelivery::Kind::Nothing:
            return {false, {}};
        case KeyDelivery::Kind::PressButton:
            Command1_Click(delivery.button.index);
            return {false, {}};
        case KeyDelivery::Kind::Characters:
            break;
    }
    if (focus.array != ControlArray::Text1) {
        return {true, {}};
    }
    const std::u16string& typed = delivery.characters;
    if (typed.size() == 1 && typed[0] < u' ') {
        return {TypedCharacter(focus.index, typed[0]).has_value(), {}};  // Backspace deletes
    }
    return {false, TypedText(focus.index, typed)};
}

std::optional<char16_t> frmMain::TypedCharacter(int index, char16_t typed) {
    // A character with no code in the code page arrives as "?", as Windows delivers it.
    std::int16_t code = encoding::UnicodeToAnsi(typed).value_or('?');
    Text1_KeyPress(index, code);
    if (code == 0 || (code < ' ' && code != '\b')) {
        return std::nullopt;
    }
    return encoding::AnsiToUnicode(static_cast<unsigned char>(code));
}

std::u16string frmMain::TypedText(int index, std::u16string_view text) {
    // However much of it the rule refuses, the text beeps once: a beep a character would hold
    // the window up for as long as a million beeps take.
    pasting_ = true;
    refusedInPaste_ = false;
    std::u16string inserted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (encoding::StartsSurrogatePair(text, i)) {
            ++i;  // one character, with no code in the code page
            c = u'\uFFFD';
        }
        const auto received = TypedCharacter(index, c);
        if (received && *received != u'\b') {
            inserted += *received;
        }
    }
    pasting_ = false;
    if (refusedInPaste_) {
        face_.Beep();
    }
    return inserted;
}

void frmMain::ShowMessage(std::u16string_view text, std::u16string_view title, int style) {
    const auto focus = face_.Focus();
    face_.ShowMessage(text, title,
                      (style & kIconMask) == kIconError ? MessageIcon::Error : MessageIcon::None);
    // Back where it was, also where no window manager hands the activation back when the box
    // closes.
    if (focus) {
        face_.SetFocus(*focus);
    }
}

}  // namespace brenvol::ui
