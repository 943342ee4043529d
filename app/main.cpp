// Brenvol: starts the one window with the user's registry and runs until it closes.
#include <QApplication>

#include "regional/user_locale.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto registry = brenvol::regional::UserRegistry();
    frmMain window(*registry);
    window.show();
    return app.exec();
}
