#include "faces/qt/frm_main_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <limits>

#include "faces/qt/announcement.h"
#include "faces/qt/message_box.h"
#include "faces/qt/qt_text.h"

namespace brenvol::qt {
namespace {

using ui::ControlArray;
using ui::ControlDesign;
using ui::ControlKind;
using ui::ControlName;

// The colour a design names; invalid for the toolkit's own.
QColor ToQColor(const ui::Colour& colour) {
    const auto rgb = ui::RgbOf(colour);
    return rgb ? QColor(rgb->red, rgb->green, rgb->blue) : QColor();
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (!colour.isValid()) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

Qt::Alignment ToQt(ui::Alignment alignment, ControlKind kind) {
    // Labels draw from the top, as Windows' static controls do; a box centres its line.
    const Qt::Alignment vertical = kind == ControlKind::Label ? Qt::AlignTop : Qt::AlignVCenter;
    switch (alignment) {
        case ui::Alignment::Left:
            return Qt::AlignLeft | vertical;
        case ui::Alignment::Right:
            return Qt::AlignRight | vertical;
        case ui::Alignment::Centre:
            return Qt::AlignHCenter | vertical;
    }
    return vertical;
}

// A key as frmMain is told it. Qt numbers the keys that type no character from 0x01000000 up;
// below, a key is its character.
ui::KeyPress ToKeyPress(const QKeyEvent& event, const QString& text) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    using Key = ui::KeyPress::Key;
    const int key = event.key();
    Key named = key > 0 && key < 0x01000000 ? Key::Character : Key::Other;
    switch (key) {
        case Qt::Key_Backspace:
            named = Key::Backspace;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            named = Key::Tab;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            named = Key::Enter;
            break;
        case Qt::Key_Escape:
            named = Key::Escape;
            break;
        case 0:
        case Qt::Key_unknown:
            named = Key::None;
            break;
        default:
            break;
    }
    return {
        named,
        named == Key::Character ? static_cast<char32_t>(key) : U'\0',
        {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())},
        modifiers.testFlag(Qt::ControlModifier),
        modifiers.testFlag(Qt::AltModifier),
        modifiers.testFlag(Qt::MetaModifier)};
}

QWidget* Create(const ControlDesign& design, QWidget* parent) {
    const QString caption = ToQString(design.caption);
    const Qt::Alignment alignment = ToQt(design.alignment, design.kind);
    switch (design.kind) {
        case ControlKind::Frame:
            return new QGroupBox(caption, parent);
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(parent);
            // The boxes have no length limit: Qt's default would cut a paste at 32,767
            // characters without a word.
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setAlignment(alignment);
            // Disabled, a box keeps its background, as on Windows.
            SetColour(box, QPalette::Base, ToQColor(design.background));
            SetColour(box, QPalette::Text, ToQColor(ui::TextColour(design)));
            return box;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(alignment);
            return label;
        }
        case ControlKind::Button:
            return new QPushButton(caption, parent);
    }
    return nullptr;
}

}  // namespace

FrmMainDialog::FrmMainDialog(settings::RegistryApi& registry,
                             ui::frmMain::NumberFormatSource numberFormat, QWidget* parent)
    : QDialog(parent), form_(*this, std::move(numberFormat)) {
    CreateControls();
    form_.Form_Load(registry);
}

void FrmMainDialog::CreateControls() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ToQString(ui::kFrmMainWindow.caption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/brenvol.png")));
    // A fixed border with a title, a system menu and a close box; no minimize or maximize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // Twips become pixels at the screen's logical resolution.
    const int dpi = qRound(screen()->logicalDotsPerInch());
    const auto px = [dpi](int twips) { return ui::TwipsToPixels(twips, dpi); };
    setFixedSize(px(ui::kFrmMainWindow.clientWidth), px(ui::kFrmMainWindow.clientHeight));
    SetColour(this, QPalette::Window, ToQColor(ui::kFrmMainWindow.background));
    SetColour(this, QPalette::WindowText, ToQColor(ui::kFrmMainWindow.text));

    QWidget* frame = nullptr;
    for (const ControlDesign& design : ui::FrmMainControls()) {
        QWidget* control = Create(design, design.inFrame ? frame : this);
        control->setObjectName(QString::fromStdString(ui::NameText(design.name)));
        control->setGeometry(px(design.left), px(design.top), px(design.width), px(design.height));
        control->setEnabled(design.enabled);
        if (design.font != ui::FontFace::Default) {
            QFont font(QStringLiteral("Arial"));
            font.setPointSizeF(ui::kArialPoints);
            font.setWeight(design.font == ui::FontFace::Bold ? QFont::Bold : QFont::Normal);
            control->setFont(font);
        }
        if (design.kind == ControlKind::Frame || design.kind == ControlKind::Label) {
            SetColour(control, QPalette::WindowText, ToQColor(ui::TextColour(design)));
            SetColour(control, QPalette::Window, ToQColor(design.background));
            control->setAutoFillBackground(true);
        }
        if (design.kind == ControlKind::Frame) {
            frame = control;
        }
        controls_.emplace_back(design.name, control);
    }
    for (const ControlDesign& design : ui::FrmMainControls()) {
        Wire(design);
    }
    const std::vector<ControlName> tabs = ui::TabOrder();
    for (std::size_t i = 1; i < tabs.size(); ++i) {
        setTabOrder(Control(tabs[i - 1]), Control(tabs[i]));
    }
    // Raised from the bottom up, the last raised on top.
    const std::vector<ControlName> stacking = ui::StackingOrder();
    for (auto name = stacking.rbegin(); name != stacking.rend(); ++name) {
        Control(*name)->raise();
    }
}

void FrmMainDialog::Wire(const ControlDesign& design) {
    QWidget* control = Control(design.name);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        const int index = design.name.index;
        connect(button, &QPushButton::clicked, this,
                [this, index] { form_.Command1_Click(index); });
        button->setDefault(design.name == ui::kDefaultButton);
    }
    if (design.kind != ControlKind::TextBox) {
        return;
    }
    // Screen readers name each box by its caption.
    auto* caption = static_cast<QLabel*>(Control(ui::CaptionOf(design.name)));
    caption->setBuddy(control);
    control->setAccessibleName(caption->text());
    if (design.name.array == ControlArray::Text1) {
        // Every character reaches the box as a keystroke the filter sees: no input method
        // composes text past it.
        control->setAttribute(Qt::WA_InputMethodEnabled, false);
        control->installEventFilter(this);
        text1_.emplace_back(design.name.index, static_cast<QLineEdit*>(control));
    }
}

QWidget* FrmMainDialog::Control(ControlName name) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const auto& control) { return control.first == name; });
    return found != controls_.end() ? found->second : nullptr;
}

QLineEdit* FrmMainDialog::Box(ControlName name) const {
    return qobject_cast<QLineEdit*>(Control(name));
}

std::u16string FrmMainDialog::Text(ControlName box) const {
    return Box(box)->text().toStdU16String();
}

void FrmMainDialog::SetText(ControlName box, std::u16string_view text) {
    Box(box)->setText(ToQString(text));
}

std::optional<ControlName> FrmMainDialog::Focus() const {
    const QWidget* focus = QApplication::focusWidget();
    const auto found =
        std::find_if(controls_.begin(), controls_.end(),
                     [focus](const auto& control) { return control.second == focus; });
    return found != controls_.end() ? std::optional(found->first) : std::nullopt;
}

void FrmMainDialog::SetFocus(ControlName control) {
    if (isVisible()) {
        activateWindow();
    }
    Control(control)->setFocus();
}

void FrmMainDialog::ShowMessage(std::u16string_view text, std::u16string_view title,
                                ui::MessageIcon icon) {
    ShowMessageBox(this, text, title, icon);
}

void FrmMainDialog::Beep() {
    QApplication::beep();
}

void FrmMainDialog::Announce(std::u16string_view text) {
    // Made at the first news, not at start-up.
    if (!announcement_) {
        announcement_ = new Announcement(this);
    }
    announcement_->Say(text);
}

void FrmMainDialog::Close() {
    close();
}

void FrmMainDialog::Type(int index, QLineEdit* box, const QString& text) {
    const std::u16string inserted = form_.TypedText(index, text.toStdU16String());
    if (!inserted.empty()) {
        box->insert(ToQString(inserted));
    }
}

void FrmMainDialog::ShowContextMenu(int index, QLineEdit* box, QPoint where) {
    auto* menu = new QMenu(box);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt's own texts for a box's menu, in the user's language where Qt's translations are there;
    // no shortcut beside them, since Ctrl with a letter types its code in these boxes.
    const auto add = [menu](const char* text, bool enabled, const auto& act) {
        menu->addAction(QCoreApplication::translate("QLineEdit", text), act)->setEnabled(enabled);
    };
    const bool selected = box->hasSelectedText();
    add("&Undo", box->isUndoAvailable(), [box] { box->undo(); });
    add("&Redo", box->isRedoAvailable(), [box] { box->redo(); });
    menu->addSeparator();
    add("Cu&t", selected, [box] { box->cut(); });
    add("&Copy", selected, [box] { box->copy(); });
    add("&Paste", !QApplication::clipboard()->text().isEmpty(),
        [this, index, box] { Type(index, box, QApplication::clipboard()->text()); });
    add("Delete", selected, [box] { box->del(); });
    menu->addSeparator();
    add("Select All", !box->text().isEmpty(), [box] { box->selectAll(); });
    menu->popup(where);
}

void FrmMainDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    form_.Shown();
}

bool FrmMainDialog::eventFilter(QObject* watched, QEvent* event) {
    const auto found = std::find_if(text1_.begin(), text1_.end(),
                                    [watched](const auto& box) { return box.second == watched; });
    if (found == text1_.end()) {
        return QDialog::eventFilter(watched, event);
    }
    const auto [index, box] = *found;
    QClipboard* clipboard = QApplication::clipboard();

    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Menu ||
                (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
                // The keyboard's way to the context menu, which Qt's Wayland plugin does not take.
                const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                ShowContextMenu(index, box, box->mapToGlobal(caret.bottomLeft()));
                return true;
            }
            const QString text = key->text();
            const ui::KeyOutcome outcome = form_.KeyDown(index, ToKeyPress(*key, text));
            if (!outcome.boxOwn) {
                if (!outcome.inserted.empty()) {
                    box->insert(ToQString(outcome.inserted));
                }
                return true;
            }
            if (key->matches(QKeySequence::Paste)) {  // Shift+Insert, since Ctrl+V types
                Type(index, box, clipboard->text());
                return true;
            }
            return false;  // navigation and editing keys stay the box's own
        }
        case QEvent::ContextMenu: {
            // A keyboard's request while the menu shows is the platform's own for the menu key,
            // which opened it already.
            const auto* request = static_cast<QContextMenuEvent*>(event);
            if (request->reason() != QContextMenuEvent::Keyboard ||
                !QApplication::activePopupWidget()) {
                ShowContextMenu(index, box, request->globalPos());
            }
            return true;
        }
        case QEvent::Drop: {  // where the box's own drag handling showed it would go
            auto* drop = static_cast<QDropEvent*>(event);
            box->setCursorPosition(box->cursorPositionAt(drop->position().toPoint()));
            Type(index, box, drop->mimeData()->text());
            drop->acceptProposedAction();
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::MiddleButton || !clipboard->supportsSelection()) {
                return false;
            }
            box->setCursorPosition(box->cursorPositionAt(mouse->position().toPoint()));
            Type(index, box, clipboard->text(QClipboard::Selection));
            return true;
        }
        default:
            return false;
    }
}

void FrmMainDialog::keyPressEvent(QKeyEvent* event) {
    // Escape would reject the dialog and so end the program; here it does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace brenvol::qt
