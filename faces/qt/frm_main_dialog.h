// frmMain on Qt Widgets: the window built from the design table, its events handed to the
// toolkit-free frmMain, and what frmMain asks done.
//
// What the face decides itself, because Qt would otherwise decide it otherwise: Escape does
// nothing, where a QDialog would close and so end the program; a box's context menu is the
// face's own, with Qt's entries, since Qt's would paste past the rule; Shift+F10 and the menu key
// open it, which Qt's Wayland plugin does not; the results reach screen readers as an unseen
// notification, since Qt 6.4 has no announcement of its own. Every character that reaches an input
// box, typed, pasted (the context menu, Shift+Insert and Qt's other paste keys, the middle
// button), dropped or carried by a key event with no key, goes through frmMain first.
#pragma once

#include <QDialog>
#include <string>
#include <utility>
#include <vector>

#include "settings/registry_api.h"
#include "ui/frm_main.h"

class QLineEdit;

namespace brenvol::qt {

class Announcement;

class FrmMainDialog : public QDialog, public ui::FrmMainFace {
    Q_OBJECT

public:
    // Loads the window: the decimal separator is read from `registry` before anything shows.
    FrmMainDialog(settings::RegistryApi& registry, ui::frmMain::NumberFormatSource numberFormat,
                  QWidget* parent = nullptr);

    std::u16string Text(ui::ControlName box) const override;
    void SetText(ui::ControlName box, std::u16string_view text) override;
    std::optional<ui::ControlName> Focus() const override;
    void SetFocus(ui::ControlName control) override;
    void ShowMessage(std::u16string_view text, std::u16string_view title,
                     ui::MessageIcon icon) override;
    void Beep() override;
    void Announce(std::u16string_view text) override;
    void Close() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    // Connects a control's events to frmMain.
    void Wire(const ui::ControlDesign& design);
    QWidget* Control(ui::ControlName name) const;
    QLineEdit* Box(ui::ControlName name) const;
    // Types `text` into `box`, Text1(index), as if each character were typed.
    void Type(int index, QLineEdit* box, const QString& text);
    // The box's context menu at `where`, its Paste through the rule.
    void ShowContextMenu(int index, QLineEdit* box, QPoint where);

    std::vector<std::pair<ui::ControlName, QWidget*>> controls_;
    std::vector<std::pair<int, QLineEdit*>> text1_;  // by index
    Announcement* announcement_ = nullptr;
    ui::frmMain form_;
};

}  // namespace brenvol::qt
