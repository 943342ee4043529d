// frmMain's Qt window for tests, over an in-memory registry, with its controls at hand by name,
// its beeps counted and its modal message boxes answered.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "faces/qt/frm_main_dialog.h"
#include "regional/user_registry.h"
#include "support/faulty_registry.h"

class CountingDialog : public brenvol::qt::FrmMainDialog {
public:
    using FrmMainDialog::FrmMainDialog;
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// A window over a registry holding `separator`, converting numbers with it.
struct Fixture {
    explicit Fixture(std::u16string separator = u",") {
        brenvol::regional::SeedRegionalSettings(registry, separator);
        window = std::make_unique<CountingDialog>(
            registry, [separator] { return brenvol::calc::NumberFormat{separator}; });
    }
    template <typename W = QLineEdit>
    W* control(const char* name) const {
        auto* widget = window->findChild<W*>(QString::fromLatin1(name));
        if (!widget) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    QString text(const char* name) const { return control(name)->text(); }
    int beeps() const { return window->beeps; }
    QStringList results() const { return {text("Text2(0)"), text("Text2(1)"), text("Text2(2)")}; }
    void calculate(const QString& current, const QString& capacity) {
        control("Text1(0)")->setText(current);
        control("Text1(1)")->setText(capacity);
        control<QPushButton>("Command1(0)")->click();
    }
    void showAndActivate() {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    brenvol::settings::FaultyRegistry registry;
    std::unique_ptr<CountingDialog> window;
};

struct ShownBox {
    QString text, title;
    QMessageBox::Icon icon;
    QWidget* owner;
};

// While it lives, answers every modal message box with OK as soon as it opens, and keeps what
// the last one showed.
class ModalBoxAnswerer {
public:
    ModalBoxAnswerer() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                last = ShownBox{box->text(), box->windowTitle(), box->icon(), box->parentWidget()};
                ++answered;
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll_.start(1);
    }
    std::optional<ShownBox> last;
    int answered = 0;

private:
    QTimer poll_;
};

inline std::optional<ShownBox> AnswerModalBox(const std::function<void()>& action) {
    ModalBoxAnswerer answerer;
    action();
    return answerer.last;
}
