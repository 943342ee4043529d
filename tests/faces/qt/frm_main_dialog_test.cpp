// The Qt window: what only the face can get wrong. The behaviour behind it is ui/'s test.
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QTimer>

#include "faces/qt/typed_character.h"
#include "support/picture_diff.h"
#include "window_fixture.h"

using brenvol::settings::FaultyRegistry;

class FrmMainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned();
    void startsEmptyAndFixedWithFocusInCurrent();
    void tabCyclesThroughInputsAndButtons();
    void typingGoesThroughTheFilter_data();
    void typingGoesThroughTheFilter();
    void editingKeysKeepWorking();
    void enterInEitherBoxRunsCalcola_data();
    void enterInEitherBoxRunsCalcola();
    void warnsAndGivesTheFocusBack();
    void pasteGoesThroughTheFilter_data();
    void pasteGoesThroughTheFilter();
    void escapeLeavesTheWindowOpen();
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
        const auto* row = rgb.constScanLine(y);
        picture.rgb.insert(picture.rgb.end(), row, row + 3 * rgb.width());
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
    const int differing =
        brenvol::test::DifferingPixels(ToRgb(got), ToRgb(QImage(reference)), diff);
    if (differing > brenvol::test::kAllowedPixels) {
        got.save(QDir::current().filePath("frm_main_dialog.new.png"));
        QImage(diff.rgb.data(), diff.width, diff.height, 3 * diff.width, QImage::Format_RGB888)
            .save(QDir::current().filePath("frm_main_dialog.diff.png"));
        QFAIL(qPrintable(QStringLiteral("%1 pixels differ from %2; the new picture and the "
                                        "difference are in %3")
                             .arg(differing)
                             .arg(reference, QDir::currentPath())));
    }
}

void FrmMainDialogTest::startsEmptyAndFixedWithFocusInCurrent() {
    Fixture f;
    f.showAndActivate();
    for (const char* name : {"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)"}) {
        QVERIFY2(f.text(name).isEmpty(), name);
    }
    QCOMPARE(QApplication::focusWidget(), f.control("Text1(0)"));
    QCOMPARE(f.window->DecimalSeparator(), u",");
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Brenvol"));
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    const auto flags = f.window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!f.window->windowIcon().isNull());
    QCOMPARE(f.control("Text1(1)")->accessibleName(), QStringLiteral("Capacità Pacco Batterie"));
    QCOMPARE(f.control("Text2(2)")->accessibleName(), QStringLiteral("Secondi"));
}

void FrmMainDialogTest::tabCyclesThroughInputsAndButtons() {
    Fixture f;
    f.showAndActivate();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"Text1(1)", "Command1(0)", "Command1(1)", "Text1(0)"}));
    QVERIFY(f.control<QPushButton>("Command1(0)")->isDefault());
}

void FrmMainDialogTest::typingGoesThroughTheFilter_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");
    const int none = Qt::NoModifier;
    QTest::newRow("separator keys") << ","
                                    << "1.2:3/4-" << none << "1,2,3,4-" << 0;
    QTest::newRow("letters and space beep") << ","
                                            << "1a b" << none << "1" << 3;
    QTest::newRow("Ctrl+letter beeps") << ","
                                       << "vc" << int(Qt::ControlModifier) << "" << 2;
    QTest::newRow("Alt types nothing") << ","
                                       << "f5" << int(Qt::AltModifier) << "" << 0;
}

void FrmMainDialogTest::typingGoesThroughTheFilter() {
    QFETCH(QString, separator);
    QFETCH(QString, typed);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    Fixture f(separator.toStdU16String());
    f.showAndActivate();
    QApplication::clipboard()->setText(QStringLiteral("999"));
    QTest::keyClicks(f.control("Text1(1)"), typed, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.text("Text1(1)"), expected);
    QCOMPARE(f.beeps(), beeps);
}

void FrmMainDialogTest::editingKeysKeepWorking() {
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
    QCOMPARE(f.beeps(), 0);
}

void FrmMainDialogTest::enterInEitherBoxRunsCalcola_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("current") << "Text1(0)";
    QTest::newRow("capacity") << "Text1(1)";
}

void FrmMainDialogTest::enterInEitherBoxRunsCalcola() {
    QFETCH(QString, box);
    Fixture f;
    f.showAndActivate();
    QTest::keyClicks(f.control("Text1(0)"), "100");
    QTest::keyClicks(f.control("Text1(1)"), "1000");
    f.control(qPrintable(box))->setFocus();
    QTest::keyClick(f.control(qPrintable(box)), Qt::Key_Return);
    QCOMPARE(f.results(), QStringList({"14", "0", "0"}));
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

void FrmMainDialogTest::pasteGoesThroughTheFilter_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Shift+Insert") << "Shift+Insert";
    QTest::newRow("context menu") << "context menu";
    QTest::newRow("key event with text and no key") << "no key";
}

void FrmMainDialogTest::pasteGoesThroughTheFilter() {
    QFETCH(QString, how);
    Fixture f;
    f.showAndActivate();
    auto* box = f.control("Text1(0)");
    QApplication::clipboard()->setText(QStringLiteral("1.5x"));
    if (how == "Shift+Insert") {
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (how == "context menu") {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, {5, 5},
                                    box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu && brenvol::qt::PasteAction(*menu));
        brenvol::qt::PasteAction(*menu)->trigger();
        menu->close();
    } else {
        QKeyEvent keyless(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("1.5x"));
        QApplication::sendEvent(box, &keyless);
    }
    QCOMPARE(box->text(), QStringLiteral("1,5"));
    QCOMPARE(f.beeps(), 1);
}

void FrmMainDialogTest::escapeLeavesTheWindowOpen() {
    Fixture f;
    f.showAndActivate();
    QTest::keyClick(f.control("Text1(0)"), Qt::Key_Escape);
    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.beeps(), 0);
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
            f.control("Text1(0)")->setFocus();
            QTest::keyClick(f.control("Text1(0)"), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // on "Exit"
        } else {
            f.window->close();  // what the system's close command does
        }
    });
    // The event loop ends when the program would, with its last window; or fails after 5 s.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!f.window->isVisible());
}

void FrmMainDialogTest::registryFailureIsShownBeforeTheWindow() {
    FaultyRegistry registry;
    registry.MakeUncallable(FaultyRegistry::Operation::CreateKey);
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
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    // clang-format off
    const struct { const char* name; int key, modifiers, expected; } rows[] = {
        {"keypad digit", Qt::Key_5, Qt::KeypadModifier, '5'}, {"letter", Qt::Key_A, none, 'A'},
        {"Ctrl+Shift+Z", Qt::Key_Z, ctrl | Qt::ShiftModifier, 26}, {"Ctrl+1", Qt::Key_1, ctrl, 0},
        {"Ctrl+]", Qt::Key_BracketRight, ctrl, 29}, {"AltGr", Qt::Key_At, ctrl | alt, '@'},
        {"Alt+F", Qt::Key_F, alt, 0}, {"Meta+1", Qt::Key_1, Qt::MetaModifier, 0},
        {"Escape", Qt::Key_Escape, none, 27}, {"Tab", Qt::Key_Tab, ctrl, 9},
        {"Backspace", Qt::Key_Backspace, none, 8}, {"Ctrl+Backspace", Qt::Key_Backspace, ctrl, 127},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 13}, {"Ctrl+Enter", Qt::Key_Return, ctrl, 10},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, -1}, {"Delete", Qt::Key_Delete, none, -1},
        {"unknown", Qt::Key_unknown, none, -1}, {"last character", 0xFFFF, none, 0xFFFF},
        {"beyond 16 bits", 0x1F50B, none, 0xFFFD},
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
