// frmMain's behaviour through a fake face: what each handler reads, writes, shows and sounds.
#include "ui/frm_main.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "regional/user_registry.h"
#include "settings/decimal_separator.h"
#include "support/faulty_registry.h"

namespace brenvol::ui {
namespace {

using enum ControlArray;

struct Message {
    std::u16string text, title;
    int style;
    bool operator==(const Message&) const = default;
};

// Remembers every text written and everything asked of the window.
class FakeFace : public FrmMainFace {
public:
    std::u16string Text(ControlName box) const override { return texts.at(NameText(box)); }
    void SetText(ControlName box, std::u16string_view text) override {
        texts[NameText(box)] = text;
        writes.push_back(NameText(box));
    }
    void ShowMessage(std::u16string_view text, std::u16string_view title, int style) override {
        messages.push_back({std::u16string(text), std::u16string(title), style});
    }
    void Beep() override { ++beeps; }
    void Close() override { ++closed; }

    std::vector<std::u16string> Results() const {
        return {texts.at("Text2(0)"), texts.at("Text2(1)"), texts.at("Text2(2)")};
    }

    std::map<std::string, std::u16string> texts;
    std::vector<std::string> writes;
    std::vector<Message> messages;
    int beeps = 0, closed = 0;
};

const Message kWarning{u"Controllare parametri inseriti", u"Attenzione", 16};

// A loaded frmMain over a registry holding `separator`, converting numbers with it.
struct Loaded {
    explicit Loaded(std::u16string separator = u",")
        : form(face, [separator] { return calc::NumberFormat{separator}; }) {
        regional::SeedRegionalSettings(registry, separator);
        for (const char* box : {"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)"}) {
            face.texts[box] = u"old";
        }
        form.Form_Load(registry);
        face.writes.clear();
    }
    void Calculate(std::u16string current, std::u16string capacity) {
        face.texts["Text1(0)"] = current;
        face.texts["Text1(1)"] = capacity;
        form.Command1_Click(0);
    }
    FakeFace face;
    settings::FaultyRegistry registry;
    frmMain form;
};

TEST(FormLoad, ReadsTheSeparatorThenEmptiesTheBoxesInOrder) {
    FakeFace face;
    settings::FaultyRegistry registry;
    regional::SeedRegionalSettings(registry, u";");
    frmMain form(face, [] { return calc::NumberFormat{}; });
    form.Form_Load(registry);
    EXPECT_EQ(form.DecimalSeparator(), u";");
    EXPECT_EQ(face.writes, (std::vector<std::string>{"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)",
                                                     "Text2(2)"}));
    for (const auto& [box, text] : face.texts) {
        EXPECT_EQ(text, u"") << box;
    }
    EXPECT_TRUE(face.messages.empty());
}

TEST(FormLoad, ShowsTheReadersFailureAndGoesOn) {
    FakeFace face;
    settings::FaultyRegistry registry;
    registry.MakeUncallable(settings::FaultyRegistry::Operation::CreateKey);
    frmMain form(face, [] { return calc::NumberFormat{}; });
    form.Form_Load(registry);
    ASSERT_EQ(face.messages.size(), 1u);
    EXPECT_EQ(face.messages[0].title, u"Brenvol");
    EXPECT_EQ(face.messages[0].style, 0);
    EXPECT_EQ(form.DecimalSeparator(), u"");
    EXPECT_EQ(face.writes.size(), 5u);
}

TEST(Calcola, WritesHoursMinutesSecondsOfCurrentAndCapacity) {
    Loaded f;
    f.Calculate(u"100", u"700");
    EXPECT_EQ(f.face.Results(), (std::vector<std::u16string>{u"9", u"48", u"0"}));
    EXPECT_EQ(f.face.writes, (std::vector<std::string>{"Text2(0)", "Text2(1)", "Text2(2)"}));
    // With the window's own number format.
    f.Calculate(u"100", u"1,5");
    EXPECT_EQ(f.face.Results(), (std::vector<std::u16string>{u"0", u"1", u"16"}));
    EXPECT_TRUE(f.face.messages.empty());
}

struct RefusedCase {
    const char* name;
    std::u16string current, capacity;
};

class CalcolaRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(CalcolaRefuses, WarnsAndKeepsTheResults) {
    Loaded f;
    f.Calculate(u"100", u"1000");
    f.face.writes.clear();
    f.Calculate(GetParam().current, GetParam().capacity);
    EXPECT_EQ(f.face.messages, std::vector<Message>{kWarning});
    EXPECT_TRUE(f.face.writes.empty());
    EXPECT_EQ(f.face.Results(), (std::vector<std::u16string>{u"14", u"0", u"0"}));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, CalcolaRefuses,
                         testing::Values(RefusedCase{"rejected", u"100", u""},
                                         RefusedCase{"failed", u"00", u"1000"}),
                         [](const auto& info) { return info.param.name; });

TEST(Command1, ExitClosesAndOtherIndexesDoNothing) {
    Loaded f;
    f.form.Command1_Click(2);
    f.form.Command1_Click(-1);
    EXPECT_EQ(f.face.closed, 0);
    EXPECT_TRUE(f.face.writes.empty());
    f.form.Command1_Click(1);
    EXPECT_EQ(f.face.closed, 1);
    EXPECT_TRUE(f.face.messages.empty());
}

struct TypedCase {
    std::u16string separator;
    char16_t typed;
    std::optional<char16_t> received;
    int beeps;
};

class TypedCharacterTable : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedCharacterTable, GoesThroughTheRule) {
    const TypedCase& c = GetParam();
    Loaded f(c.separator);
    EXPECT_EQ(f.form.TypedCharacter(1, c.typed), c.received);
    EXPECT_EQ(f.face.beeps, c.beeps);
}

const std::u16string kError = u"ERROR CLOSING SUBKEY";

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedCharacterTable,
    testing::Values(TypedCase{u",", u'7', u'7', 0}, TypedCase{u",", u'.', u',', 0},
                    TypedCase{u".", u',', u'.', 0}, TypedCase{u",", u'\b', u'\b', 0},
                    TypedCase{u",", u'a', std::nullopt, 1}, TypedCase{u",", 3, std::nullopt, 1},
                    // No code in the code page: typed as "?", refused.
                    TypedCase{u",", u'\u4E00', std::nullopt, 1},
                    TypedCase{u"", u':', std::nullopt, 0}, TypedCase{kError, u'/', u'E', 0},
                    // The separator goes through the code page and back.
                    TypedCase{u"\u2019", u'.', u'\u2019', 0}));

TEST(TypedText, InsertsWhatTypingEachCharacterWould) {
    Loaded f;
    EXPECT_EQ(f.form.TypedText(0, u"1.5x"), u"1,5");
    EXPECT_EQ(f.face.beeps, 1);
    // Control characters pass the rule but insert nothing; a pair of surrogates is one
    // character, refused once.
    EXPECT_EQ(f.form.TypedText(0, u"-2\r\n\t3"), u"-23");
    EXPECT_EQ(f.form.TypedText(0, u"\U0001F50B"), u"");
    EXPECT_EQ(f.face.beeps, 2);
}

struct CtrlCase {
    char16_t key;
    std::optional<char16_t> typed;
};

class CtrlCharacterTable : public testing::TestWithParam<CtrlCase> {};

TEST_P(CtrlCharacterTable, AsWindowsDeliversIt) {
    EXPECT_EQ(CtrlCharacter(GetParam().key), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(Keys, CtrlCharacterTable,
                         testing::Values(CtrlCase{u'A', 1}, CtrlCase{u'a', 1}, CtrlCase{u'z', 26},
                                         CtrlCase{u'Z', 26}, CtrlCase{u'[', 27},
                                         CtrlCase{u'\\', 28}, CtrlCase{u']', 29},
                                         CtrlCase{u'^', 30}, CtrlCase{u'_', 31},
                                         CtrlCase{u'\b', 127}, CtrlCase{u'\r', u'\n'},
                                         CtrlCase{u'@', std::nullopt}, CtrlCase{u'`', std::nullopt},
                                         CtrlCase{u'{', std::nullopt}, CtrlCase{u'5', std::nullopt},
                                         CtrlCase{u'.', std::nullopt}));

}  // namespace
}  // namespace brenvol::ui
