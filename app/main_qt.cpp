// Brenvol: starts the one window with the user's registry and runs until it closes.
#include <QApplication>

#include "faces/qt/frm_main_dialog.h"
#include "regional/number_format.h"
#include "regional/user_registry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto registry =
        brenvol::regional::UserRegistry(brenvol::regional::UserNumberFormat().decimalSeparator);
    brenvol::qt::FrmMainDialog window(*registry, brenvol::regional::UserNumberFormat);
    window.show();
    return app.exec();
}
