// frmMain's design: every control with its rectangle in twips, caption, font, colours and
// keyboard order, as one table, and the code that builds the window from it.
#include <QIcon>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "ui/frm_main.h"
#include "ui/system_colours.h"

namespace {

enum class Kind { Frame, TextBox, Label, Button };
enum class Face { Default, Regular, Bold };  // Default: the platform's, not Arial

struct ControlDesign {
    const char* name;  // also the control's objectName
    Kind kind;
    bool inFrame;
    int left, top, width, height;  // twips, within the window's client area or Frame1
    const char* caption;           // UTF-8
    Face face;
    QColor textColour;  // invalid: the default
    Qt::Alignment alignment;
    bool enabled;
    int tabIndex;
};

const QColor kRed(255, 0, 0);
const QColor kDarkGreen(0, 128, 0);
const QColor kDarkRed(64, 0, 0);
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kCaption = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kUnit = Qt::AlignLeft | Qt::AlignTop;

// In the order the window creates them, each array's members from the highest index down.
// clang-format off
const ControlDesign kDesign[] = {
//   name           kind           frame  left   top  width height caption                    font           text colour  alignment enabled tab
    {"Frame1",      Kind::Frame,   false,   30,  930, 3195, 1110, "Brenvol",                 Face::Default, kRed,        {},       true,   8},
    {"Text2(2)",    Kind::TextBox, true,  2325,  615,  510,  285, "",                        Face::Bold,    {},          kCentre,  false, 14},
    {"Text2(1)",    Kind::TextBox, true,  1350,  600,  510,  285, "",                        Face::Bold,    {},          kCentre,  false, 13},
    {"Text2(0)",    Kind::TextBox, true,   360,  585,  510,  285, "",                        Face::Bold,    {},          kCentre,  false, 12},
    {"Label2(2)",   Kind::Label,   true,  2280,  315,  615,  270, "Secondi",                 Face::Regular, kDarkGreen,  kCaption, true,  11},
    {"Label2(1)",   Kind::Label,   true,  1305,  300,  570,  270, "Minuti",                  Face::Regular, kDarkGreen,  kCaption, true,  10},
    {"Label2(0)",   Kind::Label,   true,   345,  300,  570,  270, "Ore",                     Face::Regular, kDarkGreen,  kCaption, true,   9},
    {"Command1(1)", Kind::Button,  false, 1260, 2130,  915,  360, "Exit",                    Face::Regular, {},          {},       true,   3},
    {"Command1(0)", Kind::Button,  false, 2310, 2130,  915,  360, "Calcola",                 Face::Regular, {},          {},       true,   2},
    {"Text1(1)",    Kind::TextBox, false, 2000,  555, 1215,  285, "",                        Face::Regular, {},          kLeft,    true,   1},
    {"Text1(0)",    Kind::TextBox, false, 2000,   90, 1215,  285, "",                        Face::Regular, {},          kLeft,    true,   0},
    {"Label3(1)",   Kind::Label,   false, 1635,  690,  390,  195, "[mA]",                    Face::Regular, kDarkRed,    kUnit,    true,   7},
    {"Label3(0)",   Kind::Label,   false, 1635,  240,  330,  195, "[mA]",                    Face::Regular, kDarkRed,    kUnit,    true,   6},
    {"Label1(1)",   Kind::Label,   false,   45,  525, 1905,  225, "Capacità Pacco Batterie", Face::Regular, kDarkRed,    kRight,   true,   5},
    {"Label1(0)",   Kind::Label,   false,   45,   60, 1905,  210, "Corrente di ricarica",    Face::Regular, kDarkRed,    kRight,   true,   4},
};
// clang-format on

constexpr int kClientWidth = 3300;
constexpr int kClientHeight = 2610;
constexpr double kTwipsPerInch = 1440;

QFont ArialFont(Face face) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setWeight(face == Face::Bold ? QFont::Bold : QFont::Normal);
    return font;
}

QWidget* Create(const ControlDesign& design, QWidget* parent) {
    const QString caption = QString::fromUtf8(design.caption);
    switch (design.kind) {
        case Kind::Frame:
            return new QGroupBox(caption, parent);
        case Kind::TextBox: {
            auto* box = new QLineEdit(parent);
            box->setAlignment(design.alignment);
            return box;
        }
        case Kind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(design.alignment);
            return label;
        }
        case Kind::Button:
            return new QPushButton(caption, parent);
    }
    return nullptr;
}

using brenvol::ui::SystemColour;

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour,
               QPalette::ColorGroup group = QPalette::All) {
    QPalette palette = widget->palette();
    palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

void SetColour(QWidget* widget, QPalette::ColorRole role, SystemColour colour) {
    SetColour(widget, role, brenvol::ui::Colour(colour));
}

}  // namespace

void frmMain::CreateControls() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Brenvol"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brenvol.png")));
    // A fixed border with a title, a system menu and a close box; no minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // Twips become pixels at the screen's logical resolution: 15 twips a pixel at 96 dpi.
    const double pixelsPerTwip = screen()->logicalDotsPerInch() / kTwipsPerInch;
    const auto px = [pixelsPerTwip](int twips) { return qRound(twips * pixelsPerTwip); };
    setFixedSize(px(kClientWidth), px(kClientHeight));
    SetColour(this, QPalette::Window, SystemColour::ActiveBorder);
    SetColour(this, QPalette::WindowText, Qt::black);

    std::vector<const ControlDesign*> byTabIndex;
    for (const ControlDesign& design : kDesign) {
        QWidget* control = Create(design, design.inFrame ? static_cast<QWidget*>(Frame1) : this);
        control->setObjectName(QString::fromLatin1(design.name));
        control->setGeometry(px(design.left), px(design.top), px(design.width), px(design.height));
        control->setEnabled(design.enabled);
        if (design.face != Face::Default) {
            control->setFont(ArialFont(design.face));
        }
        if (design.textColour.isValid()) {
            SetColour(control, QPalette::WindowText, design.textColour);
        }
        switch (design.kind) {
            case Kind::Frame:
                Frame1 = static_cast<QGroupBox*>(control);
                SetColour(control, QPalette::Window, SystemColour::InactiveBorder);
                control->setAutoFillBackground(true);
                break;
            case Kind::Label:
                SetColour(control, QPalette::Window, SystemColour::ButtonFace);
                control->setAutoFillBackground(true);
                break;
            case Kind::TextBox:
                // Disabled, a box keeps its background and greys its text, as on Windows.
                SetColour(control, QPalette::Base, SystemColour::Window);
                SetColour(control, QPalette::Text, SystemColour::WindowText);
                SetColour(control, QPalette::Text, brenvol::ui::Colour(SystemColour::GrayText),
                          QPalette::Disabled);
                break;
            case Kind::Button:
                break;
        }
        if (design.kind == Kind::TextBox || design.kind == Kind::Button) {
            byTabIndex.push_back(&design);
        }
    }
    std::sort(byTabIndex.begin(), byTabIndex.end(),
              [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < byTabIndex.size(); ++i) {
        setTabOrder(findChild<QWidget*>(QLatin1String(byTabIndex[i - 1]->name)),
                    findChild<QWidget*>(QLatin1String(byTabIndex[i]->name)));
    }

    // Each control array's members, found by their names: "Text1(0)", "Text1(1)", ...
    const auto collect = [this]<typename W, std::size_t N>(std::array<W*, N>& members,
                                                           const char* name) {
        for (std::size_t i = 0; i < N; ++i) {
            members[i] = findChild<W*>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        }
    };
    collect(Text1, "Text1");
    collect(Text2, "Text2");
    collect(Label1, "Label1");
    collect(Label2, "Label2");
    collect(Label3, "Label3");
    collect(Command1, "Command1");
}
