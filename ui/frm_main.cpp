#include "ui/frm_main.h"

#include <variant>

#include "calc/charge_time.h"
#include "encoding/ansi_code_page.h"
#include "settings/decimal_separator.h"

namespace brenvol::ui {
namespace {

constexpr std::u16string_view kWarningTitle = u"Attenzione";

// "14 Ore 0 Minuti 0 Secondi": each result and the caption under which it shows.
std::u16string Spoken(const std::u16string (&results)[3]) {
    std::u16string spoken;
    for (int i = 0; i < 3; ++i) {
        spoken += (i == 0 ? u"" : u" ") + results[i] + u" " +
                  std::u16string(DesignOf(CaptionOf(kResultBoxes[i])).caption);
    }
    return spoken;
}

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

input::KeyVerdict frmMain::FilterKey(std::int16_t code) const {
    return input::KeystrokeRule(code, decimalSeparator_);
}

bool frmMain::Text1_KeyPress(int /*index*/, std::int16_t& keyAscii) const {
    const input::KeyVerdict verdict = FilterKey(keyAscii);
    keyAscii = verdict.code;
    return verdict.beep;
}

void frmMain::Command1_Click(int index) {
    if (index == kCalcola.index) {
        const auto outcome =
            calc::Calculate(face_.Text(kCurrentBox), face_.Text(kCapacityBox), numberFormat_());
        if (const auto* results = std::get_if<calc::Results>(&outcome)) {
            const std::u16string shown[] = {results->hours, results->minutes, results->seconds};
            for (int i = 0; i < 3; ++i) {
                face_.SetText(kResultBoxes[i], shown[i]);
            }
            face_.Announce(Spoken(shown));
        } else {
            // A failure gets the rejection's warning too: silence would leave the user
            // without an answer.
            ShowMessage(calc::kWarningText, kWarningTitle, MessageIcon::Error);
        }
    } else if (index == kExit.index) {
        face_.Close();
    }
}

void frmMain::Deactivated() {
    focusBeforeDeactivation_ = face_.Focus();
}

void frmMain::Activated() {
    if (focusBeforeDeactivation_) {
        face_.SetFocus(*focusBeforeDeactivation_);
    }
}

KeyOutcome frmMain::KeyDown(int index, const KeyPress& key) {
    const KeyDelivery delivery = TranslateKey(key);
    switch (delivery.kind) {
        case KeyDelivery::Kind::BoxOwn:
            return {true, {}};
        case KeyDelivery::Kind::Nothing:
            return {false, {}};
        case KeyDelivery::Kind::PressButton:
            Command1_Click(delivery.button.index);
            return {false, {}};
        case KeyDelivery::Kind::Characters:
            break;
    }
    const std::u16string& typed = delivery.characters;
    if (typed.size() == 1 && typed[0] < u' ') {
        return {TypedCharacter(index, typed[0]).has_value(), {}};  // Backspace deletes
    }
    return {false, TypedText(index, typed)};
}

frmMain::Typed frmMain::Type(int index, char16_t typed) const {
    // A character with no code in the code page arrives as "?", as Windows delivers it.
    std::int16_t code = encoding::UnicodeToAnsi(typed).value_or('?');
    const bool refused = Text1_KeyPress(index, code);
    if (code == 0 || (code < ' ' && code != '\b')) {
        return {std::nullopt, refused};
    }
    return {encoding::AnsiToUnicode(static_cast<unsigned char>(code)), refused};
}

std::optional<char16_t> frmMain::TypedCharacter(int index, char16_t typed) {
    const Typed result = Type(index, typed);
    if (result.refused) {
        face_.Beep();
    }
    return result.received;
}

std::u16string frmMain::TypedText(int index, std::u16string_view text) {
    // One beep for all the rule refuses of the text: a beep for each refused character of a
    // long paste would hold the window up for as long as all those beeps take.
    bool refused = false;
    std::u16string inserted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (encoding::StartsSurrogatePair(text, i)) {
            ++i;  // one character, with no code in the code page
            c = u'\uFFFD';
        }
        const Typed result = Type(index, c);
        refused |= result.refused;
        if (result.received && *result.received != u'\b') {
            inserted += *result.received;
        }
    }
    if (refused) {
        face_.Beep();
    }
    return inserted;
}

void frmMain::Notify(std::u16string_view text, MessageIcon icon) {
    ShowMessage(text, kFrmMainWindow.caption, icon);
}

void frmMain::ShowMessage(std::u16string_view text, std::u16string_view title, MessageIcon icon) {
    const auto focus = face_.Focus();
    face_.ShowMessage(text, title, icon);
    // Back where it was, also where no window manager hands the activation back when the box
    // closes.
    if (focus) {
        face_.SetFocus(*focus);
    }
}

}  // namespace brenvol::ui
