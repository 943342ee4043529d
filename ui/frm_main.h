// frmMain, Brenvol's one window: the current and capacity boxes, the hours, minutes and seconds
// of the charge time, "Calcola" and "Exit".
//
// The window only wires events to the core: typed characters go through the keystroke rule
// with the user's decimal separator, read once when the window loads; "Calcola" hands the two
// texts to the calculation and shows its results, or its warning, leaving the result boxes as
// they were. It keeps no state but its controls' texts and the separator.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "calc/number_text.h"
#include "regional/user_locale.h"
#include "settings/reg_function.h"
#include "settings/registry_api.h"

class frmMain : public QDialog, private brenvol::settings::Notifier {
    Q_OBJECT

public:
    using NumberFormatSource = std::function<brenvol::calc::NumberFormat()>;

    // Loads the window: the decimal separator is read from `registry` before anything shows.
    // The number conversion asks `numberFormat` at each calculation.
    explicit frmMain(brenvol::settings::RegistryApi& registry,
                     NumberFormatSource numberFormat = brenvol::regional::UserNumberFormat,
                     QWidget* parent = nullptr);

    // The keystroke rule applied with the window's separator; beeps when the rule says so.
    std::int16_t FilterKey(std::int16_t code);

    const std::u16string& DecimalSeparator() const { return decimalSeparator_; }
    // Replaces the system beep, for tests that count beeps.
    void SetBeeper(std::function<void()> beep) { beep_ = std::move(beep); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void Form_Load(brenvol::settings::RegistryApi& registry);
    void Text1_KeyPress(int index, std::int16_t& keyAscii);
    void Command1_Click(int index);
    void ShowMessage(std::u16string_view text, std::u16string_view title, int style) override;

    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, 2> Text1{};  // current, capacity
    std::array<QLineEdit*, 3> Text2{};  // hours, minutes, seconds
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 3> Label2{};
    std::array<QLabel*, 2> Label3{};
    std::array<QPushButton*, 2> Command1{};  // "Calcola", "Exit"

    std::u16string decimalSeparator_;
    NumberFormatSource numberFormat_;
    std::function<void()> beep_;
};
