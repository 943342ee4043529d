// frmMain's Qt window for tests, over an in-memory registry, with its controls at hand by name
// and its beeps counted.
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
        QVERIFY(QTest::qWaitFor([this] { return window->isActiveWindow(); }));
    }
    QLineEdit* control(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QString results() const {
        return control("Text2(0)")->text() + " " + control("Text2(1)")->text() + " " +
               control("Text2(2)")->text();
    }

    brenvol::settings::FaultyRegistry registry;
    std::unique_ptr<CountingDialog> window;
};
