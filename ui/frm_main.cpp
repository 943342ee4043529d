#include "ui/frm_main.h"

#include <QApplication>
#include <QKeyEvent>
#include <variant>

#include "calc/charge_time.h"
#include "input/ansi_codepage.h"
#include "input/keystroke_rule.h"
#include "settings/decimal_separator.h"
#include "ui/message_box.h"
#include "ui/typed_character.h"

frmMain::frmMain(brenvol::settings::RegistryApi& registry, NumberFormatSource numberFormat,
                 QWidget* parent)
    : QDialog(parent), numberFormat_(std::move(numberFormat)), beep_([] { QApplication::beep(); }) {
    CreateControls();

    Command1[0]->setDefault(true);
    for (int index = 0; index < static_cast<int>(Command1.size()); ++index) {
        connect(Command1[index], &QPushButton::clicked, this,
                [this, index] { Command1_Click(index); });
    }
    for (QLineEdit* box : Text1) {
        // Every character reaches the box as a keystroke the filter sees: no input method
        // composes text past it, and nothing is dropped in.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setAcceptDrops(false);
        box->installEventFilter(this);
    }
    // Screen readers name each box by its caption.
    for (std::size_t i = 0; i < Text1.size(); ++i) {
        Label1[i]->setBuddy(Text1[i]);
        Text1[i]->setAccessibleName(Label1[i]->text());
    }
    for (std::size_t i = 0; i < Text2.size(); ++i) {
        Label2[i]->setBuddy(Text2[i]);
        Text2[i]->setAccessibleName(Label2[i]->text());
    }

    Form_Load(registry);
    Text1[0]->setFocus();
}

void frmMain::Form_Load(brenvol::settings::RegistryApi& registry) {
    brenvol::settings::REG_Function reader(registry, *this);
    decimalSeparator_ = brenvol::settings::LoadDecimalSeparator(reader);
    for (QLineEdit* box : {Text1[0], Text1[1], Text2[0], Text2[1], Text2[2]}) {
        box->setText(QString());
    }
}

std::int16_t frmMain::FilterKey(std::int16_t code) {
    const auto verdict = brenvol::input::KeystrokeRule(code, decimalSeparator_);
    if (verdict.beep) {
        beep_();
    }
    return verdict.code;
}

void frmMain::Text1_KeyPress(int /*index*/, std::int16_t& keyAscii) {
    keyAscii = FilterKey(keyAscii);
}

void frmMain::Command1_Click(int index) {
    namespace calc = brenvol::calc;
    if (index == 0) {
        const auto outcome = calc::Calculate(Text1[0]->text().toStdU16String(),
                                             Text1[1]->text().toStdU16String(), numberFormat_());
        if (const auto* results = std::get_if<calc::Results>(&outcome)) {
            Text2[0]->setText(QString::fromStdU16String(results->hours));
            Text2[1]->setText(QString::fromStdU16String(results->minutes));
            Text2[2]->setText(QString::fromStdU16String(results->seconds));
        } else {
            // A failure gets the rejection's warning too: silence would leave the user
            // without an answer.
            ShowMessage(calc::kWarningText, calc::kWarningTitle, calc::kWarningStyle);
        }
    } else if (index == 1) {
        close();
    }
}

void frmMain::ShowMessage(std::u16string_view text, std::u16string_view title, int style) {
    brenvol::ui::ShowMessageBox(this, text, title, style);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const auto box = std::find(Text1.begin(), Text1.end(), watched);
    if (event->type() != QEvent::KeyPress || box == Text1.end()) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto typed = brenvol::ui::TypedCharacterCode(key->key(), key->modifiers());
    if (!typed) {
        return false;  // navigation and editing keys stay the box's own
    }
    if (*typed == 0) {
        return true;  // a combination that types no character
    }
    std::int16_t code = *typed;
    Text1_KeyPress(static_cast<int>(box - Text1.begin()), code);
    if (code == 0) {
        return true;
    }
    // Control codes that pass (Backspace, Tab, Enter, Escape) get the toolkit's ordinary
    // handling; a character is inserted as the code it became.
    if (code < 0x20 && code == *typed) {
        return false;
    }
    (*box)->insert(QString(QChar(brenvol::input::AnsiToUnicode(static_cast<unsigned char>(code)))));
    return true;
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // Escape would reject the dialog and so end the program; here it does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
