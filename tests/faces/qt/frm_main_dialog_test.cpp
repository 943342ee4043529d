// The Qt window: what only the face can get wrong. The behaviour behind it is ui/'s test.
#include <QClipboard>
#include <QDir>
#include <map>

#include "support/picture_diff.h"
#include "window_fixture.h"

class FrmMainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned();
    void keysGoThroughTheFilter();
    void pastesWholeBeepingOnce();
};

// 220 x 174 pixels: the rows need no padding.
brenvol::RgbPicture ToRgb(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return {rgb.width(), rgb.height(), {rgb.constBits(), rgb.constBits() + rgb.sizeInBytes()}};
}

// Fixed in size; after a calculation, at 96 dpi and with the focus on no box so that no caret
// blinks, looks as its picture. (Its keys: the Wayland test.)
void FrmMainDialogTest::looksAsDesigned() {
    Fixture f;
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    QCOMPARE(f.window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
             Qt::WindowCloseButtonHint);
    f.control("Text1(0)")->setText("100");
    f.control("Text1(1)")->setText("700");
    auto* calcola = f.window->findChild<QPushButton*>("Command1(0)");
    calcola->click();
    calcola->setFocus();
    const QImage got = f.window->grab().toImage();
    brenvol::RgbPicture diff;
    const int differing = brenvol::test::DifferingPixels(
        ToRgb(got), ToRgb(QImage(QStringLiteral(BRENVOL_PICTURES "/frm_main_dialog.png"))), diff);
    if (differing > brenvol::test::kAllowedPixels) {
        got.save("frm_main_dialog.new.png");
        QImage(diff.rgb.data(), diff.width, diff.height, 3 * diff.width, QImage::Format_RGB888)
            .save("frm_main_dialog.diff.png");
        QFAIL(qPrintable(QString("%1 pixels differ; see *.new.png, *.diff.png").arg(differing)));
    }
}

// Keys typed after "12" in Text1(1): characters, and the box's own keys, which edit, move and
// select: "{" Home, "}" End, "<" Left, ">" Right, "`" Delete, "+" Shift with the next key. "^V":
// Shift+Insert; "~": the context menu's Paste; "#": a key event carrying the clipboard's text and
// no key. The clipboard holds "1.5", a tab, a character beyond 16 bits and "x".
void FrmMainDialogTest::keysGoThroughTheFilter() {
    const int ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    // clang-format off
    const std::map<char, Qt::Key> moves = {
        {'{', Qt::Key_Home}, {'}', Qt::Key_End}, {'<', Qt::Key_Left}, {'>', Qt::Key_Right}, {'`', Qt::Key_Delete}};
    const struct { const char* keys; int modifiers; const char* expected; int beeps; } rows[] = {
        {"3.a4 :5/-", 0, "123,4,5,-", 2}, {"vz", ctrl, "12", 2}, {"5", ctrl, "12", 0}, {"]", ctrl, "12", 1},
        {".", ctrl | alt, "12,", 0}, {"f5", alt, "12", 0}, {"5", Qt::MetaModifier, "12", 0},
        {"5.", Qt::KeypadModifier, "125,", 0}, {"\b", 0, "1", 0}, {"\b", ctrl, "12", 1},
        {"\u20AC\u4E00", 0, "12", 2}, {"^V", 0, "121,5", 1}, {"~", 0, "121,5", 1}, {"#", 0, "121,5", 1},
        {"{`", 0, "2", 0}, {"<\b", 0, "2", 0}, {"{>9", 0, "192", 0}, {"{}5", 0, "125", 0},
        {"+<7", 0, "17", 0}, {"{+>.", 0, ",2", 0}, {"<+{`", 0, "2", 0}, {"{>+}-", 0, "1-", 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        Fixture f;
        auto* box = f.control("Text1(1)");
        QTest::keyClicks(box, "12");
        QApplication::clipboard()->setText(QString::fromUtf8("1.5\t\U0001F50Bx"));
        const QString keys = QString::fromUtf8(row.keys);
        if (keys == "^V") {
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (keys == "~") {
            QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, {5, 5},
                                        box->mapToGlobal(QPoint()));
            QApplication::sendEvent(box, &menuEvent);
            QWidget* menu = QApplication::activePopupWidget();
            QVERIFY(menu);
            QTest::keyClick(menu, Qt::Key_P);  // "&Paste"
        } else if (keys == "#") {
            QKeyEvent keyless(QEvent::KeyPress, 0, Qt::NoModifier,
                              QApplication::clipboard()->text());
            QApplication::sendEvent(box, &keyless);
        }
        Qt::KeyboardModifiers modifiers(row.modifiers);
        for (QChar c : QStringList{"^V", "~", "#"}.contains(keys) ? QString() : keys) {
            QKeyEvent wide(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
            if (c == '+') {
                modifiers |= Qt::ShiftModifier;
                continue;
            }
            const char latin = c.toLatin1();
            moves.contains(latin) ? QTest::keyClick(box, moves.at(latin), modifiers)
            : c.unicode() < 0x80  ? QTest::keyClick(box, latin, modifiers)
                                  : void(QApplication::sendEvent(box, &wide));
            modifiers = Qt::KeyboardModifiers(row.modifiers);
        }
        QVERIFY2(
            box->text() == row.expected && f.window->beeps == row.beeps,
            qPrintable(keys + ": " + box->text() + ", beeps " + QString::number(f.window->beeps)));
    }
}

// However long, a paste goes in whole, with one beep for all that the rule refuses of it;
// "Calcola" then answers from all of it.
void FrmMainDialogTest::pastesWholeBeepingOnce() {
    Fixture f;
    const QString digits(100000, '3');
    QApplication::clipboard()->setText("x1." + digits + "y z");
    QTest::keyClick(f.control("Text1(1)"), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(f.control("Text1(1)")->text(), "1," + digits);
    QCOMPARE(f.window->beeps, 1);
    f.control("Text1(0)")->setText("100");
    f.window->findChild<QPushButton*>("Command1(0)")->click();
    QCOMPARE(f.results(), "0 1 7");  // 1.4 * 1.333... / 100 hours: 67.2 seconds
}

QTEST_MAIN(FrmMainDialogTest)
#include "frm_main_dialog_test.moc"
