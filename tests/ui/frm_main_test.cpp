// frmMain's behaviour through a fake face: what each handler reads, writes, shows and sounds.
#include "ui/frm_main.h"

#include <gtest/gtest.h>

#include <map>

#include "regional/user_registry.h"
#include "support/registry_doubles.h"

namespace brenvol::ui {
namespace {

// Keeps the boxes' texts, and a line for everything else asked of the window.
class FakeFace : public FrmMainFace {
public:
    std::u16string Text(ControlName box) const override { return texts.at(NameText(box)); }
    void SetText(ControlName box, std::u16string_view text) override {
        texts[NameText(box)] = text;
    }
    void ShowMessage(std::u16string_view text, std::u16string_view title,
                     MessageIcon icon) override {
        log += "box " + std::string(text.begin(), text.end()) + "|" +
               std::string(title.begin(), title.end()) + "|" +
               (icon == MessageIcon::Error ? "error" : "none") + ";";
    }
    std::optional<ControlName> Focus() const override { return focus; }
    void SetFocus(ControlName control) override {
        focus = control;
        log += "focus " + NameText(control) + ";";
    }
    void Beep() override { log += "beep;"; }
    void Close() override { log += "close;"; }
    std::u16string Results() const {
        return texts.at("Text2(0)") + u" " + texts.at("Text2(1)") + u" " + texts.at("Text2(2)");
    }
    std::u16string All() const {
        return texts.at("Text1(0)") + u" " + texts.at("Text1(1)") + u" " + Results();
    }
    std::map<std::string, std::u16string> texts;
    std::optional<ControlName> focus;
    std::string log;
};

const std::string kWarning = "box Controllare parametri inseriti|Attenzione|error;";

// A loaded frmMain over a registry holding `separator`, converting numbers with it.
struct Loaded {
    explicit Loaded(std::u16string separator = u",")
        : form(face, [separator] { return calc::NumberFormat{separator}; }) {
        regional::SeedRegionalSettings(registry, separator);
        form.Form_Load(registry);
    }
    std::string Calculate(std::u16string current, std::u16string capacity) {
        face.texts["Text1(0)"] = current;
        face.texts["Text1(1)"] = capacity;
        face.log.clear();
        form.Command1_Click(0);
        return face.log;
    }
    FakeFace face;
    settings::FaultyRegistry registry;
    frmMain form;
};

// The user's "sDecimal"; without one, the separator keys type nothing, silently.
TEST(FormLoad, ReadsTheSeparatorAndEmptiesTheBoxes) {
    Loaded f;
    f.registry.SetValue(settings::kCurrentUser, "Control Panel\\International", "sDecimal",
                        std::string(";\0", 2));
    f.face.log.clear();
    for (auto& [name, text] : f.face.texts) {
        text = u"9";
    }
    f.form.Form_Load(f.registry);
    EXPECT_EQ(f.form.TypedText(0, u"."), u";");
    EXPECT_EQ(f.face.All(), u"    ");
    EXPECT_EQ(f.face.log, "");
    settings::FaultyRegistry none;
    f.form.Form_Load(none);
    EXPECT_EQ(f.form.TypedText(0, u"1.,;2"), u"12");
    // A failure of the reader is shown; loading goes on.
    f.registry.FailWith(settings::FaultyRegistry::Operation::CreateKey,
                        settings::FaultyRegistry::kUncallable);
    f.face.log.clear();
    f.face.texts["Text1(0)"] = u"9";
    f.form.Form_Load(f.registry);
    EXPECT_EQ(f.face.log,
              "box GetRegistry(): Error '453', Specified DLL function not found|Brenvol|none;");
    EXPECT_EQ(f.face.All(), u"    ");
    EXPECT_EQ(f.form.TypedText(0, u"."), u"");
}

TEST(Command1, CalcolaWritesTheResultsOrWarnsAndKeepsThemExitCloses) {
    Loaded f;
    f.form.Shown();
    EXPECT_EQ(f.face.log.substr(f.face.log.rfind("focus")), "focus Text1(0);");
    EXPECT_EQ(f.Calculate(u"100", u"1,5"), "");
    EXPECT_EQ(f.face.Results(), u"0 1 16");
    // The warning gives the focus back where it was.
    f.face.focus = ControlName{ControlArray::Command1, 0};
    EXPECT_EQ(f.Calculate(u"100", u""), kWarning + "focus Command1(0);");  // rejected
    f.face.focus.reset();
    EXPECT_EQ(f.Calculate(u"00", u"700"), kWarning);  // failed
    EXPECT_EQ(f.face.Results(), u"0 1 16");
    f.Calculate(u"100", u"700");  // the current is Text1(0), the capacity Text1(1)
    EXPECT_EQ(f.face.Results(), u"9 48 0");
    f.face.log.clear();
    for (int index : {2, -1, 1}) {  // other indexes do nothing
        f.form.Command1_Click(index);
    }
    EXPECT_EQ(f.face.log, "close;");
}

}  // namespace
}  // namespace brenvol::ui
