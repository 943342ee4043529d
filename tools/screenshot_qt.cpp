// brenvol-screenshot FILE: renders frmMain, after one calculation, to a PNG, with no display
// needed (run with QT_QPA_PLATFORM=offscreen). It makes README.md's picture.
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

#include "faces/qt/frm_main_dialog.h"
#include "regional/user_registry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Uso: brenvol-screenshot FILE.png\n");
        return 64;
    }
    brenvol::settings::MemoryRegistry registry;
    brenvol::regional::SeedRegionalSettings(registry, u",");
    brenvol::qt::FrmMainDialog window(registry, [] { return brenvol::calc::NumberFormat{u","}; });
    window.findChild<QLineEdit*>(QStringLiteral("Text1(0)"))->setText(QStringLiteral("100"));
    window.findChild<QLineEdit*>(QStringLiteral("Text1(1)"))->setText(QStringLiteral("700"));
    window.findChild<QPushButton*>(QStringLiteral("Command1(0)"))->click();
    window.show();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
