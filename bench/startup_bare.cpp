// The floor: a bare Qt window of Brenvol's size, ended at the first paint. With --label it
// shows one line of text, the floor of any window that draws text, which must first load the
// font database.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "first_paint_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(220, 174);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
        new QLabel(QStringLiteral("Brenvol"), &window);
    }
    brenvol::bench::FirstPaintProbe probe(window);
    window.show();
    return app.exec();
}
