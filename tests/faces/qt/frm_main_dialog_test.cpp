// The Qt window: what only the face can get wrong. The behaviour behind it is ui/'s test.
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "support/picture_diff.h"
#include "window_fixture.h"

class FrmMainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void looksAndTabsAsDesigned();
    void keysGoThroughTheFilter_data();
    void keysGoThroughTheFilter();
    void warnsAndGivesTheFocusBack();
    void monkeyKeepsTheInvariants();
};

// 220 x 174 pixels: the rows need no padding.
brenvol::test::RgbPicture ToRgb(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return {rgb.width(), rgb.height(), {rgb.constBits(), rgb.constBits() + rgb.sizeInBytes()}};
}

// Opens empty, fixed, tabbing through the boxes and buttons; after a calculation, at 96 dpi and
// with the focus on no box so that no caret blinks, looks as its picture.
void FrmMainDialogTest::looksAndTabsAsDesigned() {
    Fixture f;
    QCOMPARE(f.results(), QString("  "));
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    QCOMPARE(f.window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
             Qt::WindowCloseButtonHint);
    QVERIFY(!f.window->windowIcon().isNull() && !f.control("Text2(2)")->accessibleName().isEmpty());
    QCOMPARE(QApplication::focusWidget()->objectName(), "Text1(0)");
    for (const char* next : {"Text1(1)", "Command1(0)", "Command1(1)", "Text1(0)"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(f.window->isVisible());

    f.calculate("100", "700");
    f.control<QPushButton>("Command1(0)")->setFocus();
    const QImage got = f.window->grab().toImage();
    const QString reference = QStringLiteral(BRENVOL_PICTURES "/frm_main_dialog.png");
    brenvol::test::RgbPicture diff;
    const int differing =
        brenvol::test::DifferingPixels(ToRgb(got), ToRgb(QImage(reference)), diff);
    if (differing > brenvol::test::kAllowedPixels) {
        got.save("frm_main_dialog.new.png");
        QImage(diff.rgb.data(), diff.width, diff.height, 3 * diff.width, QImage::Format_RGB888)
            .save("frm_main_dialog.diff.png");
        QFAIL(qPrintable(QString("%1 pixels differ; see *.new.png, *.diff.png").arg(differing)));
    }
}

// Keys typed after "12" in Text1(1). "^V": Shift+Insert; "~": the context menu's Paste; "#": a
// key event carrying the clipboard's text and no key. The clipboard holds "1.5", a tab, a
// character beyond 16 bits and "x".
void FrmMainDialogTest::keysGoThroughTheFilter_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    const int ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    // clang-format off
    const struct { const char* name; const char* keys; int modifiers; const char* expected; int beeps; } rows[] = {
        {"separator keys", "3.4:5/-", 0, "123,4,5,-", 0}, {"letters and space", "a b", 0, "12", 3},
        {"Ctrl+letter", "vz", ctrl, "12", 2}, {"Ctrl+Shift+letter", "c", ctrl | Qt::ShiftModifier, "12", 1},
        {"Ctrl+digit", "5", ctrl, "12", 0}, {"Ctrl+]", "]", ctrl, "12", 1},
        {"AltGr", ".", ctrl | alt, "12,", 0}, {"Alt", "f5", alt, "12", 0},
        {"Meta", "5", Qt::MetaModifier, "12", 0}, {"keypad", "5.", Qt::KeypadModifier, "125,", 0},
        {"Backspace", "\b", 0, "1", 0}, {"Ctrl+Backspace", "\b", ctrl, "12", 1},
        {"beyond the code page", "\u20AC\u4E00", 0, "12", 2},
        {"Shift+Insert", "^V", 0, "121,5", 2}, {"context menu", "~", 0, "121,5", 2},
        {"text without a key", "#", 0, "121,5", 2}
    };
    // clang-format on
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString::fromUtf8(row.keys) << row.modifiers << row.expected
                                << row.beeps;
    }
}

void FrmMainDialogTest::keysGoThroughTheFilter() {
    QFETCH(QString, keys);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    Fixture f;
    auto* box = f.control("Text1(1)");
    QTest::keyClicks(box, "12");
    QApplication::clipboard()->setText(QString::fromUtf8("1.5\t\U0001F50Bx"));
    if (keys == "^V") {
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (keys == "~") {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, {5, 5},
                                    box->mapToGlobal(QPoint()));
        QApplication::sendEvent(box, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu && brenvol::qt::PasteAction(*menu));
        brenvol::qt::PasteAction(*menu)->trigger();
        menu->close();
    } else if (keys == "#") {
        QKeyEvent keyless(QEvent::KeyPress, 0, Qt::NoModifier, QApplication::clipboard()->text());
        QApplication::sendEvent(box, &keyless);
    } else {
        for (QChar c : keys) {  // a key beyond ASCII types its character
            QKeyEvent press(QEvent::KeyPress, c.unicode() < 0x80 ? 0 : c.unicode(),
                            Qt::KeyboardModifiers(modifiers), QString(c));
            c.unicode() < 0x80
                ? QTest::keyClick(box, c.toLatin1(), Qt::KeyboardModifiers(modifiers))
                : void(QApplication::sendEvent(box, &press));
        }
    }
    QCOMPARE(box->text(), expected);
    QCOMPARE(f.window->beeps, beeps);
}

void FrmMainDialogTest::warnsAndGivesTheFocusBack() {
    Fixture f;
    f.calculate("100", "7000");
    auto* box = f.control("Text1(1)");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(f.results(), QString("9 48 0"));
    ModalBoxAnswerer answerer;
    box->clear();
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(answerer.last.has_value());
    QCOMPARE(*answerer.last,
             std::make_tuple(QString("Controllare parametri inseriti"), QString("Attenzione"),
                             QMessageBox::Critical, static_cast<QWidget*>(f.window.get())));
    QCOMPARE(f.results(), QString("9 48 0"));
    // Back where it was, with no window manager to hand the activation back.
    QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
    QTRY_COMPARE(QApplication::focusWidget(), box);
}

// The monkey test: thousands of seeded random keystrokes and clicks into the Qt window, checking
// after each one what must hold whatever the inputs: the boxes hold only what can make a number;
// the results change only when "Calcola" is pressed; no message box stays open; "Exit" ends the
// program. BRENVOL_MONKEY_SEED and BRENVOL_MONKEY_STEPS change the run.
void FrmMainDialogTest::monkeyKeepsTheInvariants() {
    QRandomGenerator random(qEnvironmentVariable("BRENVOL_MONKEY_SEED", "20261207").toUInt());
    // Typing, editing and moving keys, and clicks into the boxes ('<', '>') and on "Calcola" ('!').
    const QString actions = QStringLiteral("0123456789-.,:;/\\+eA'\b\t\r\x1B <>!");
    Fixture f;
    ModalBoxAnswerer answerer;
    for (int step = 0; step < qEnvironmentVariable("BRENVOL_MONKEY_STEPS", "3000").toInt();
         ++step) {
        const QString before = f.results();
        // The focus comes back when a message box closes, as the event loop turns.
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget(), 1000);
        QWidget* focus = QApplication::focusWidget();
        const char action = actions[random.bounded(actions.size())].toLatin1();
        const bool press = action == '\r' || action == ' ';
        const bool onExit = press && focus == f.control<QPushButton>("Command1(1)");
        const bool mayCalculate = action == '\r' || action == '!' ||
                                  (press && focus == f.control<QPushButton>("Command1(0)"));
        if (action == '<' || action == '>') {
            QTest::mouseClick(f.control(action == '<' ? "Text1(0)" : "Text1(1)"), Qt::LeftButton);
        } else if (action == '!') {
            QTest::mouseClick(f.control<QPushButton>("Command1(0)"), Qt::LeftButton);
        } else {
            QTest::keyClick(focus, action, step % 20 ? Qt::NoModifier : Qt::ControlModifier);
        }
        const QByteArray where = "step " + QByteArray::number(step);
        QVERIFY2(!QApplication::activeModalWidget(), where);
        QVERIFY2(QRegularExpression("^[0-9,-]*$")
                     .match(f.control("Text1(0)")->text() + f.control("Text1(1)")->text())
                     .hasMatch(),
                 where);
        QVERIFY2(f.window->isVisible() != onExit, where);
        QVERIFY2(mayCalculate || onExit || f.results() == before, where);
        if (onExit) {
            f.window->show();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        }
    }
    QVERIFY(answerer.answered > 0);
}

QTEST_MAIN(FrmMainDialogTest)
#include "frm_main_dialog_test.moc"
