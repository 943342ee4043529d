// Brenvol's start, as app/main.cpp does it, ended at the first paint.
#include <QApplication>

#include "first_paint_probe.h"
#include "regional/user_locale.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto registry = brenvol::regional::UserRegistry();
    frmMain window(*registry);
    brenvol::bench::FirstPaintProbe probe(window);
    window.show();
    return app.exec();
}
