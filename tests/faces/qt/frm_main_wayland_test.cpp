// The Qt window as a Wayland client, driven by real keys on the compositor's keyboard seat
// (wayland_session.sh runs it there): what a user does with the keyboard alone.
#include <QProcess>

#include "window_fixture.h"

class FrmMainWaylandTest : public QObject {
    Q_OBJECT

private slots:
    void worksFromTheKeyboardAlone();
};

// Presses `keys`, named as xdotool names them, one after the other.
void Press(const QStringList& keys) {
    QVERIFY(QProcess::execute("xdotool", QStringList{"key", "--delay", "30"} + keys) == 0);
}

void FrmMainWaylandTest::worksFromTheKeyboardAlone() {
    QCOMPARE(QGuiApplication::platformName(), "wayland");
    Fixture f;
    auto* current = f.control("Text1(0)");
    auto* capacity = f.control("Text1(1)");
    QTRY_VERIFY(f.window->isActiveWindow());  // the compositor has given it the keyboard
    // The first warning, whenever it shows, is noted and answered, so that none holds the test up.
    QString warning;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&warning, &f] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isActiveWindow() && warning.isEmpty()) {
            warning = box->windowTitle() + ": " + box->text() + QString::number(box->icon()) +
                      (box->parentWidget() == f.window.get() ? " owned" : "");
            Press({"Return"});
        }
    });
    answerer.start(50);
    Press({"1", "period", "5", "a"});
    QTRY_COMPARE(current->text(), "1,5");
    QCOMPARE(f.window->beeps, 1);
    Press({"Tab", "7", "KP_Enter"});
    QTRY_COMPARE(f.results(), "6 32 0");
    QCOMPARE(QApplication::focusWidget(), capacity);

    // The warning, the window's own, is closed with Enter; the box that had the focus takes the
    // next keys, and the results stay.
    Press({"BackSpace", "Return"});
    QTRY_COMPARE(warning, "Attenzione: Controllare parametri inseriti3 owned");  // 3: Critical
    QTRY_VERIFY(f.window->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), capacity);
    Press({"9", "Escape", "8"});
    QTRY_COMPARE(capacity->text(), "98");
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.results(), "6 32 0");

    Press({"Tab", "Tab", "space"});  // Exit
    QTRY_VERIFY(!f.window->isVisible());
}

QTEST_MAIN(FrmMainWaylandTest)
#include "frm_main_wayland_test.moc"
