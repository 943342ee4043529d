// frmMain's behaviour where no face can reach it: the registry it loads from. What a person does in
// the window is window_cases.txt, which every face runs.
#include "ui/frm_main.h"

#include <gtest/gtest.h>

#include <map>

#include "support/registry_doubles.h"

namespace brenvol::ui {
namespace {

// Keeps the boxes' texts, and a line for each message shown.
struct FakeFace : FrmMainFace {
    std::u16string Text(ControlName box) const override { return texts.at(NameText(box)); }
    void SetText(ControlName box, std::u16string_view text) override {
        texts[NameText(box)] = text;
    }
    void ShowMessage(std::u16string_view text, std::u16string_view title,
                     MessageIcon icon) override {
        log += std::string(text.begin(), text.end()) + "|" +
               std::string(title.begin(), title.end()) +
               (icon == MessageIcon::Error ? "|error;" : "|none;");
    }
    std::optional<ControlName> Focus() const override { return std::nullopt; }
    void SetFocus(ControlName) override {}
    void Beep() override {}
    void Announce(std::u16string_view) override {}
    void Close() override {}
    std::map<std::string, std::u16string> texts;
    std::string log;
};

// The user's "sDecimal" is what the separator keys type; without one they type nothing,
// silently; a failure of the reader is shown, and loading goes on. Each load empties the boxes.
TEST(FormLoad, ReadsTheSeparatorAndEmptiesTheBoxes) {
    FakeFace face;
    frmMain form(face, [] { return calc::NumberFormat{u","}; });
    settings::FaultyRegistry registry;
    registry.SetValue(settings::kCurrentUser, "Control Panel\\International", "sDecimal",
                      std::string(";\0", 2));
    form.Form_Load(registry);
    EXPECT_EQ(form.TypedText(0, u"1.2"), u"1;2");
    face.texts["Text2(1)"] = u"9";
    settings::FaultyRegistry none;
    form.Form_Load(none);
    EXPECT_EQ(form.TypedText(0, u"1.,;2"), u"12");
    for (const auto& [box, text] : face.texts) {
        EXPECT_EQ(text, u"") << box;
    }
    EXPECT_EQ(face.texts.size(), 5u);
    registry.FailWith(settings::FaultyRegistry::Operation::CreateKey,
                      settings::FaultyRegistry::kUncallable);
    face.texts["Text1(0)"] = u"9";
    form.Form_Load(registry);
    EXPECT_EQ(face.log,
              "GetRegistry(): Error '453', Specified DLL function not found|Brenvol|none;");
    EXPECT_EQ(face.texts["Text1(0)"], u"");
    EXPECT_EQ(form.TypedText(0, u"."), u"");
}

}  // namespace
}  // namespace brenvol::ui
