// Text reaching a box, with any separator in the user's settings: through frmMain::TypedText (a
// paste) and through the key path (TypedCharacter, a key at a time), as a face does. Whatever
// ends up in a box is what the rule accepts: digits, "-" and the separator; a paste inserts what
// typing it would, and beeps once when typing it would beep at all.
#include <fuzzer/FuzzedDataProvider.h>

#include <map>

#include "encoding/ansi_code_page.h"
#include "fuzz/fuzz_check.h"
#include "settings/decimal_separator.h"
#include "settings/memory_registry.h"
#include "ui/frm_main.h"

using namespace brenvol;

namespace {

// The boxes' texts, and the beeps.
class FaceDouble : public ui::FrmMainFace {
public:
    std::u16string Text(ui::ControlName box) const override { return texts.at(ui::NameText(box)); }
    void SetText(ui::ControlName box, std::u16string_view text) override {
        texts[ui::NameText(box)] = text;
    }
    std::optional<ui::ControlName> Focus() const override { return std::nullopt; }
    void SetFocus(ui::ControlName) override {}
    void ShowMessage(std::u16string_view, std::u16string_view, ui::MessageIcon) override {}
    void Beep() override { ++beeps; }
    void Announce(std::u16string_view) override {}
    void Close() override {}
    std::map<std::string, std::u16string> texts;
    int beeps = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    settings::MemoryRegistry registry;
    if (in.ConsumeBool()) {
        registry.SetValue(settings::kCurrentUser, "Control Panel\\International", "sDecimal",
                          in.ConsumeRandomLengthString(8));
    }
    FaceDouble face;
    ui::frmMain form(face, [] { return calc::NumberFormat{u","}; });
    form.Form_Load(registry);
    // The separator as it reaches a box, what the separator keys type; nothing where it has no
    // code in the code page.
    const std::u16string allowed = u"0123456789-" + form.TypedText(0, u".");

    std::u16string boxes[2];
    while (in.remaining_bytes() > 0) {
        const int index = in.ConsumeIntegralInRange(0, 1);
        const std::u16string text = fuzz::Utf16(in.ConsumeRandomLengthString(32));
        // A key at a time, as the box would take them.
        std::u16string typed;
        face.beeps = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool pair = encoding::StartsSurrogatePair(text, i);
            const auto received = form.TypedCharacter(index, pair ? u'\uFFFD' : text[i]);
            i += pair;
            if (received && *received >= u' ') {
                typed += *received;
            }
        }
        const bool beeped = face.beeps > 0;
        // All at once, as a paste.
        face.beeps = 0;
        const std::u16string pasted = form.TypedText(index, text);
        FUZZ_CHECK(pasted == typed);
        FUZZ_CHECK(face.beeps == (beeped ? 1 : 0));
        boxes[index] += pasted;
        FUZZ_CHECK(boxes[index].find_first_not_of(allowed) == std::u16string::npos);
    }
    return 0;
}
