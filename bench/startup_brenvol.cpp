// Brenvol's start, as app/main_qt.cpp does it, ended at the first paint.
#include <QApplication>

#include "faces/qt/frm_main_dialog.h"
#include "faces/qt/qt_translations.h"
#include "first_paint_probe.h"
#include "regional/number_format.h"
#include "regional/user_registry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    brenvol::qt::InstallQtTranslations();
    brenvol::settings::MemoryRegistry registry;
    brenvol::regional::SeedRegionalSettings(registry,
                                            brenvol::regional::UserNumberFormat().decimalSeparator);
    brenvol::qt::FrmMainDialog window(registry, brenvol::regional::UserNumberFormat);
    brenvol::bench::FirstPaintProbe probe(window);
    window.show();
    return app.exec();
}
