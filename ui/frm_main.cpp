#include "ui/frm_main.h"

#include <variant>

#include "calc/charge_time.h"
#include "encoding/ansi_code_page.h"
#include "input/keystroke_rule.h"
#include "settings/decimal_separator.h"

namespace brenvol::ui {
namespace {

constexpr ControlName kCurrent{ControlArray::Text1, 0};
constexpr ControlName kCapacity{ControlArray::Text1, 1};
constexpr ControlName kResults[] = {
    {ControlArray::Text2, 0}, {ControlArray::Text2, 1}, {ControlArray::Text2, 2}};

}  // namespace

frmMain::frmMain(FrmMainFace& face, NumberFormatSource numberFormat)
    : face_(face), numberFormat_(std::move(numberFormat)) {}

void frmMain::Form_Load(settings::RegistryApi& registry) {
    settings::REG_Function reader(registry, *this);
    decimalSeparator_ = settings::LoadDecimalSeparator(reader);
    for (ControlName box : {kCurrent, kCapacity, kResults[0], kResults[1], kResults[2]}) {
        face_.SetText(box, u"");
    }
}

void frmMain::Shown() {
    face_.SetFocus(TabOrder().front());
}

std::int16_t frmMain::FilterKey(std::int16_t code) {
    const auto verdict = input::KeystrokeRule(code, decimalSeparator_);
    if (verdict.beep) {
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
            calc::Calculate(face_.Text(kCurrent), face_.Text(kCapacity), numberFormat_());
        if (const auto* results = std::get_if<calc::Results>(&outcome)) {
            face_.SetText(kResults[0], results->hours);
            face_.SetText(kResults[1], results->minutes);
            face_.SetText(kResults[2], results->seconds);
        } else {
            // A failure gets the rejection's warning too: silence would leave the user
            // without an answer.
            ShowMessage(calc::kWarningText, calc::kWarningTitle, calc::kWarningStyle);
        }
    } else if (index == 1) {
        face_.Close();
    }
}

std::optional<char16_t> frmMain::TypedCharacter(int index, char16_t typed) {
    // A character with no code in the code page arrives as "?", as Windows delivers it.
    std::int16_t code = encoding::UnicodeToAnsi(typed).value_or('?');
    Text1_KeyPress(index, code);
    if (code == 0) {
        return std::nullopt;
    }
    return encoding::AnsiToUnicode(static_cast<unsigned char>(code));
}

std::u16string frmMain::TypedText(int index, std::u16string_view text) {
    std::u16string inserted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (encoding::StartsSurrogatePair(text, i)) {
            ++i;  // one character, with no code in the code page
            c = u'\uFFFD';
        }
        const auto received = TypedCharacter(index, c);
        if (received && *received >= u' ') {
            inserted += *received;
        }
    }
    return inserted;
}

void frmMain::ShowMessage(std::u16string_view text, std::u16string_view title, int style) {
    const auto focus = face_.Focus();
    face_.ShowMessage(text, title, style);
    // Back where it was, also where no window manager hands the activation back when the box
    // closes.
    if (focus) {
        face_.SetFocus(*focus);
    }
}

std::optional<char16_t> CtrlCharacter(char16_t key) {
    if (key >= u'A' && key <= u'_') {
        return static_cast<char16_t>(key - u'@');  // A-Z, [ \ ] ^ _: 1 to 31
    }
    switch (key) {
        case u'\b':
            return u'\x7F';
        case u'\r':
            return u'\n';
        default:
            return std::nullopt;
    }
}

}  // namespace brenvol::ui
