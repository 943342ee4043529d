// The Qt window: what only the face can get wrong. The behaviour behind it is ui/'s test.
#include <QClipboard>
#include <QDir>
#include <QMenu>

#include "faces/qt/typed_character.h"
#include "support/picture_diff.h"
#include "window_fixture.h"

class FrmMainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned();
    void opensEmptyAndTabsAsDesigned();
    void typingGoesThroughTheFilter_data();
    void typingGoesThroughTheFilter();
    void editingKeysAndEnterKeepTheirUse();
    void warnsAndGivesTheFocusBack();
    void exitAndCloseBoxEndTheProgram_data();
    void exitAndCloseBoxEndTheProgram();
    void registryFailureIsShownBeforeTheWindow();
    void typedCharacters_data();
    void typedCharacters();
};

brenvol::test::RgbPicture ToRgb(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    brenvol::test::RgbPicture picture{rgb.width(), rgb.height(), {}};
    for (int y = 0; y < rgb.height(); ++y) {
        picture.rgb.insert(picture.rgb.end(), rgb.constScanLine(y),
                           rgb.constScanLine(y) + 3 * rgb.width());
    }
    return picture;
}

// After a calculation, at 96 dpi, with the focus on no box so that no caret blinks.
void FrmMainDialogTest::looksAsDesigned() {
    Fixture f;
    f.showAndActivate();
    f.calculate("100", "700");
    f.control<QPushButton>("Command1(0)")->setFocus();
    const QImage got = f.window->grab().toImage();
    const QString reference = QStringLiteral(BRENVOL_PICTURES "/frm_main_dialog.png");
    brenvol::test::RgbPicture diff;
    const int differing = DifferingPixels(ToRgb(got), ToRgb(QImage(reference)), diff);
    if (differing > brenvol::test::kAllowedPixels) {
        got.save("frm_main_dialog.new.png");
        QImage(diff.rgb.data(), diff.width, diff.height, 3 * diff.width, QImage::Format_RGB888)
            .save("frm_main_dialog.diff.png");
        QFAIL(qPrintable(QString("%1 pixels differ from %2; frm_main_dialog.new.png and .diff.png "
                                 "in %3 show how")
                             .arg(differing)
                             .arg(reference, QDir::currentPath())));
    }
}

void FrmMainDialogTest::opensEmptyAndTabsAsDesigned() {
    Fixture f;
    f.showAndActivate();
    for (const char* name : {"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)"}) {
        QVERIFY2(f.text(name).isEmpty(), name);
    }
    QCOMPARE(f.window->DecimalSeparator(), u",");
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    QCOMPARE(f.window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
             Qt::WindowCloseButtonHint);
    QVERIFY(!f.window->windowIcon().isNull());
    QCOMPARE(f.control("Text2(2)")->accessibleName(), QStringLiteral("Secondi"));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited,
             QStringList({"Text1(0)", "Text1(1)", "Command1(0)", "Command1(1)", "Text1(0)"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(f.window->isVisible());
}

void FrmMainDialogTest::typingGoesThroughTheFilter_data() {
    QTest::addColumn<QString>("typed");  // "^V": Shift+Insert; "~": the context menu's Paste;
    QTest::addColumn<int>("modifiers");  // "#": a key event with the clipboard's text, no key
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    QTest::newRow("separator keys") << "1.2:3/4-" << 0 << "1,2,3,4-" << 0;
    QTest::newRow("letters and space") << "1a b" << 0 << "1" << 3;
    QTest::newRow("Ctrl+letter") << "vc" << int(Qt::ControlModifier) << "" << 2;
    QTest::newRow("Alt") << "f5" << int(Qt::AltModifier) << "" << 0;
    QTest::newRow("Shift+Insert") << "^V" << 0 << "1,5" << 1;
    QTest::newRow("context menu") << "~" << 0 << "1,5" << 1;
    QTest::newRow("text without a key") << "#" << 0 << "1,5" << 1;
}

void FrmMainDialogTest::typingGoesThroughTheFilter() {
    QFETCH(QString, typed);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    Fixture f;
    f.showAndActivate();
    auto* box = f.control("Text1(1)");
    QApplication::clipboard()->setText(QStringLiteral("1.5x"));
    if (typed == "^V") {
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (typed == "~") {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, {5, 5},
                                    box->mapToGlobal(QPoint()));
        QApplication::sendEvent(box, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu && brenvol::qt::PasteAction(*menu));
        brenvol::qt::PasteAction(*menu)->trigger();
        menu->close();
    } else if (typed == "#") {
        QKeyEvent keyless(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("1.5x"));
        QApplication::sendEvent(box, &keyless);
    } else {
        QTest::keyClicks(box, typed, Qt::KeyboardModifiers(modifiers));
    }
    QCOMPARE(box->text(), expected);
    QCOMPARE(f.beeps(), beeps);
}

void FrmMainDialogTest::editingKeysAndEnterKeepTheirUse() {
    Fixture f;
    f.showAndActivate();
    auto* box = f.control("Text1(0)");
    QTest::keyClicks(box, "12345");
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace}) {
        QTest::keyClick(box, key);
    }
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(box, "9");
    QCOMPARE(box->text(), QStringLiteral("239"));
    QTest::keyClicks(f.control("Text1(1)"), "2390");
    QTest::keyClick(f.control("Text1(1)"), Qt::Key_Return);
    QCOMPARE(f.results(), QStringList({"14", "0", "0"}));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(f.results(), QStringList({"145", "28", "42"}));
    QCOMPARE(f.beeps(), 0);
}

void FrmMainDialogTest::warnsAndGivesTheFocusBack() {
    Fixture f;
    f.showAndActivate();
    f.calculate("100", "700");
    f.control("Text1(1)")->setFocus();
    const auto shown = AnswerModalBox([&] { f.calculate("100", ""); });
    QVERIFY(shown.has_value());
    QCOMPARE(shown->text, QStringLiteral("Controllare parametri inseriti"));
    QCOMPARE(shown->title, QStringLiteral("Attenzione"));
    QCOMPARE(shown->icon, QMessageBox::Critical);
    QCOMPARE(shown->owner, f.window.get());
    QCOMPARE(f.results(), QStringList({"9", "48", "0"}));
    // Back where it was, with no window manager to hand the activation back.
    QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
    QTRY_COMPARE(QApplication::focusWidget(), f.control("Text1(1)"));
}

void FrmMainDialogTest::exitAndCloseBoxEndTheProgram_data() {
    QTest::addColumn<bool>("viaExit");
    QTest::newRow("Exit") << true;
    QTest::newRow("close box") << false;
}

void FrmMainDialogTest::exitAndCloseBoxEndTheProgram() {
    QFETCH(bool, viaExit);
    Fixture f;
    f.showAndActivate();
    QTimer::singleShot(0, f.window.get(), [&f, viaExit] {
        if (viaExit) {
            f.control<QPushButton>("Command1(1)")->setFocus();
            QTest::keyClick(f.control<QPushButton>("Command1(1)"), Qt::Key_Space);
        } else {
            f.window->close();  // what the system's close command does
        }
    });
    // The event loop ends when the program would, with its last window; or fails after 5 s.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

void FrmMainDialogTest::registryFailureIsShownBeforeTheWindow() {
    brenvol::settings::FaultyRegistry registry;
    registry.MakeUncallable(brenvol::settings::FaultyRegistry::Operation::CreateKey);
    std::unique_ptr<CountingDialog> window;
    const auto shown = AnswerModalBox([&] {
        window = std::make_unique<CountingDialog>(registry,
                                                  [] { return brenvol::calc::NumberFormat{}; });
    });
    QVERIFY(shown.has_value());
    QCOMPARE(shown->text,
             QStringLiteral("GetRegistry(): Error '453', Specified DLL function not found"));
    QCOMPARE(shown->icon, QMessageBox::NoIcon);
    QVERIFY(!window->isVisible());
}

void FrmMainDialogTest::typedCharacters_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expected");  // -1: not a character key; 0: types nothing
    const int ctrl = Qt::ControlModifier, alt = Qt::AltModifier, keypad = Qt::KeypadModifier;
    // clang-format off
    const struct { const char* name; int key, modifiers, expected; } rows[] = {
        {"keypad 5", Qt::Key_5, keypad, '5'}, {"A", Qt::Key_A, 0, 'A'}, {"Ctrl+1", Qt::Key_1, ctrl, 0},
        {"Ctrl+Shift+Z", Qt::Key_Z, ctrl | Qt::ShiftModifier, 26}, {"AltGr+@", Qt::Key_At, ctrl | alt, '@'},
        {"Alt+F", Qt::Key_F, alt, 0}, {"Meta+1", Qt::Key_1, Qt::MetaModifier, 0},
        {"Escape", Qt::Key_Escape, 0, 27}, {"Ctrl+Tab", Qt::Key_Tab, ctrl, 9},
        {"Backspace", Qt::Key_Backspace, 0, 8}, {"Ctrl+Backspace", Qt::Key_Backspace, ctrl, 127},
        {"keypad Enter", Qt::Key_Enter, keypad, 13}, {"Ctrl+Enter", Qt::Key_Return, ctrl, 10},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, -1}, {"Delete", Qt::Key_Delete, 0, -1},
        {"no key", 0, 0, -1}, {"U+FFFF", 0xFFFF, 0, 0xFFFF}, {"U+1F50B", 0x1F50B, 0, 0xFFFD},
    };
    // clang-format on
    for (const auto& row : rows) {
        QTest::newRow(row.name) << row.key << row.modifiers << row.expected;
    }
}

void FrmMainDialogTest::typedCharacters() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, expected);
    const auto typed = brenvol::qt::TypedCharacter(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(typed.has_value() ? int(*typed) : -1, expected);
}

QTEST_MAIN(FrmMainDialogTest)
#include "frm_main_dialog_test.moc"
