// frmMain's Qt window for tests, over an in-memory registry, with its controls at hand by name,
// its beeps counted and its modal message boxes answered.
#pragma once

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "faces/qt/frm_main_dialog.h"
#include "regional/user_registry.h"
#include "support/registry_doubles.h"

struct CountingDialog : brenvol::qt::FrmMainDialog {
    using FrmMainDialog::FrmMainDialog;
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// A window over a registry holding ",", converting numbers with it.
struct Fixture {
    Fixture() {
        brenvol::regional::SeedRegionalSettings(registry, u",");
        window = std::make_unique<CountingDialog>(registry,
                                                  [] { return brenvol::calc::NumberFormat{u","}; });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename W = QLineEdit>
    W* control(const char* name) const {
        return window->findChild<W*>(QString::fromLatin1(name));
    }
    QString results() const {
        return control("Text2(0)")->text() + " " + control("Text2(1)")->text() + " " +
               control("Text2(2)")->text();
    }
    void calculate(const QString& current, const QString& capacity) {
        control("Text1(0)")->setText(current);
        control("Text1(1)")->setText(capacity);
        control<QPushButton>("Command1(0)")->click();
    }

    brenvol::settings::FaultyRegistry registry;
    std::unique_ptr<CountingDialog> window;
};

// While it lives, answers every modal message box with OK as soon as it opens, and keeps the
// text, title, icon and owner of the last one.
struct ModalBoxAnswerer : QTimer {
    ModalBoxAnswerer() {
        connect(this, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                last = {box->text(), box->windowTitle(), box->icon(), box->parentWidget()};
                ++answered;
                box->button(QMessageBox::Ok)->click();
            }
        });
        start(1);
    }
    std::optional<std::tuple<QString, QString, QMessageBox::Icon, QWidget*>> last;
    int answered = 0;
};
