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
    void boxKeysEditMoveAndSelect();
    void warnsAndGivesTheFocusBack();
    void monkeyKeepsTheInvariants();
};

// 220 x 174 pixels: the rows need no padding.
brenvol::test::RgbPicture ToRgb(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return {rgb.width(), rgb.height(), {rgb.constBits(), rgb.constBits() + rgb.sizeInBytes()}};
}

// Fixed in size, tabbing through the boxes and buttons; after a calculation, at 96 dpi and
// with the focus on no box so that no caret blinks, looks as its picture.
void FrmMainDialogTest::looksAndTabsAsDesigned() {
    Fixture f;
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    QCOMPARE(f.window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
             Qt::WindowCloseButtonHint);
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
        {"separators, letters, space", "3.a4 :5/-", 0, "123,4,5,-", 2},
        {"Ctrl+letter", "vz", ctrl, "12", 2}, {"Ctrl+digit", "5", ctrl, "12", 0}, {"Ctrl+]", "]", ctrl, "12", 1},
        {"AltGr", ".", ctrl | alt, "12,", 0}, {"Alt", "f5", alt, "12", 0}, {"Meta", "5", Qt::MetaModifier, "12", 0},
        {"keypad", "5.", Qt::KeypadModifier, "125,", 0}, {"Backspace", "\b", 0, "1", 0},
        {"Ctrl+Backspace", "\b", ctrl, "12", 1}, {"beyond the code page", "\u20AC\u4E00", 0, "12", 2},
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
            QKeyEvent wide(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
            c.unicode() < 0x80
                ? QTest::keyClick(box, c.toLatin1(), Qt::KeyboardModifiers(modifiers))
                : void(QApplication::sendEvent(box, &wide));
        }
    }
    QCOMPARE(box->text(), expected);
    QCOMPARE(f.window->beeps, beeps);
}

// The box's own keys, pressed after "1234" in Text1(0): they edit, move and select, silently.
void FrmMainDialogTest::boxKeysEditMoveAndSelect() {
    const int shift = Qt::ShiftModifier;
    using Keys = std::vector<std::pair<int, int>>;  // key, modifiers
    const struct {
        Keys keys;
        const char* text;
    } rows[] = {
        {{{Qt::Key_Home, 0}, {Qt::Key_Delete, 0}}, "234"},
        {{{Qt::Key_Left, 0}, {Qt::Key_Backspace, 0}}, "124"},
        {{{Qt::Key_Home, 0}, {Qt::Key_Right, 0}, {Qt::Key_9, 0}}, "19234"},
        {{{Qt::Key_Home, 0}, {Qt::Key_End, 0}, {Qt::Key_5, 0}}, "12345"},
        {{{Qt::Key_Left, shift}, {Qt::Key_Left, shift}, {Qt::Key_7, 0}}, "127"},
        {{{Qt::Key_Home, 0}, {Qt::Key_Right, shift}, {Qt::Key_Period, 0}}, ",234"},
        {{{Qt::Key_Left, 0}, {Qt::Key_Home, shift}, {Qt::Key_Delete, 0}}, "4"},
        {{{Qt::Key_Home, 0}, {Qt::Key_Right, 0}, {Qt::Key_End, shift}, {Qt::Key_Minus, 0}}, "1-"},
    };
    for (const auto& row : rows) {
        Fixture f;
        auto* box = f.control("Text1(0)");
        QTest::keyClicks(box, "1234");
        for (const auto& [key, modifiers] : row.keys) {
            QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        }
        QCOMPARE(box->text(), row.text);
        QCOMPARE(f.window->beeps, 0);
    }
    // A text longer than the box keeps every digit, the caret at its end.
    Fixture f;
    auto* box = f.control("Text1(1)");
    QTest::keyClicks(box, QString(40, '8'));
    QCOMPARE(box->text(), QString(40, '8'));
    QCOMPARE(box->cursorPosition(), 40);
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
    QTRY_COMPARE(QApplication::focusWidget(), box);  // back where it was
}

// The monkey test: thousands of seeded random keystrokes into the Qt window, checking
// after each one what must hold whatever the inputs: the boxes hold only what can make a number;
// the results change only when "Calcola" is pressed; no message box stays open; "Exit" ends the
// program. BRENVOL_MONKEY_SEED and BRENVOL_MONKEY_STEPS change the run.
void FrmMainDialogTest::monkeyKeepsTheInvariants() {
    QRandomGenerator random(qEnvironmentVariable("BRENVOL_MONKEY_SEED", "20261207").toUInt());
    // Typing, editing and moving keys; one in twenty with Ctrl.
    const QString keys = QStringLiteral("0123456789-.,:;/\\+eA'\b\t\r\x1B ");
    Fixture f;
    ModalBoxAnswerer answerer;
    for (int step = 0; step < qEnvironmentVariable("BRENVOL_MONKEY_STEPS", "3000").toInt();
         ++step) {
        const QString before = f.results();
        // The focus comes back when a message box closes, as the event loop turns.
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget(), 1000);
        QWidget* focus = QApplication::focusWidget();
        const char key = keys[random.bounded(keys.size())].toLatin1();
        const bool press = key == '\r' || key == ' ';
        const bool onExit = press && focus == f.control<QPushButton>("Command1(1)");
        const bool mayCalculate =
            key == '\r' || (press && focus == f.control<QPushButton>("Command1(0)"));
        QTest::keyClick(focus, key, step % 20 ? Qt::NoModifier : Qt::ControlModifier);
        const QString typed = f.control("Text1(0)")->text() + f.control("Text1(1)")->text();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(QRegularExpression("^[0-9,-]*$").match(typed).hasMatch());
        QVERIFY(f.window->isVisible() != onExit);
        QVERIFY(mayCalculate || onExit || f.results() == before);
        if (onExit) {
            f.window->show();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        }
    }
    QVERIFY(answerer.answered > 0);
}

QTEST_MAIN(FrmMainDialogTest)
#include "frm_main_dialog_test.moc"
