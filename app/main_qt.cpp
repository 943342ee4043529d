// Brenvol: starts the one window over the user's regional settings and runs until it closes.
#include <QApplication>

#include "faces/qt/frm_main_dialog.h"
#include "faces/qt/qt_translations.h"
#include "regional/number_format.h"
#include "regional/user_registry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    brenvol::qt::InstallQtTranslations();
    // No registry here: one in memory holds the separator of the user's locale.
    brenvol::settings::MemoryRegistry registry;
    brenvol::regional::SeedRegionalSettings(registry,
                                            brenvol::regional::UserNumberFormat().decimalSeparator);
    brenvol::qt::FrmMainDialog window(registry, brenvol::regional::UserNumberFormat);
    window.show();
    return app.exec();
}
