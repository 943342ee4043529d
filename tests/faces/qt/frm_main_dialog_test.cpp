#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "faces/qt/typed_character.h"
#include "modal_box.h"
#include "support/faulty_registry.h"
#include "window_fixture.h"

using brenvol::settings::FaultyRegistry;

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithFocusInCurrent();
    void matchesTheDesign_data();
    void matchesTheDesign();
    void windowIsFixedWithCloseBoxOnly();
    void tabCyclesThroughInputsAndButtons();
    void namesBoxesForScreenReaders();
    void typingGoesThroughTheFilter_data();
    void typingGoesThroughTheFilter();
    void shortcutsChangeNothing_data();
    void shortcutsChangeNothing();
    void editingKeysKeepWorking();
    void calculatesIntoResultBoxes_data();
    void calculatesIntoResultBoxes();
    void enterInEitherBoxRunsCalcola_data();
    void enterInEitherBoxRunsCalcola();
    void warnsAndKeepsResults_data();
    void warnsAndKeepsResults();
    void pasteGoesThroughTheFilter_data();
    void pasteGoesThroughTheFilter();
    void resultsStayWhenAnInputChanges();
    void escapeLeavesTheWindowOpen();
    void exitAndCloseBoxEndTheProgram_data();
    void exitAndCloseBoxEndTheProgram();
    void registryFailureIsShownBeforeTheWindow();
    void typedCharacterCodes_data();
    void typedCharacterCodes();
};

void FrmMainTest::startsEmptyWithFocusInCurrent() {
    Fixture f;
    f.showAndActivate();
    for (const char* name : {"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)"}) {
        QVERIFY2(f.text(name).isEmpty(), name);
    }
    QCOMPARE(QApplication::focusWidget(), f.control("Text1(0)"));
    QCOMPARE(f.window->DecimalSeparator(), u",");
}

void FrmMainTest::matchesTheDesign_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");  // pixels at 96 dpi
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("textColour");
    QTest::addColumn<bool>("enabled");

    const QColor red(255, 0, 0), green(0, 128, 0), darkRed(64, 0, 0), none;
    // clang-format off
    QTest::newRow("Frame1")      << "frmMain" << QRect(2, 62, 213, 74)  << "Brenvol" << false << red     << true;
    QTest::newRow("Text2(2)")    << "Frame1"  << QRect(155, 41, 34, 19) << ""        << true  << none    << false;
    QTest::newRow("Text2(1)")    << "Frame1"  << QRect(90, 40, 34, 19)  << ""        << true  << none    << false;
    QTest::newRow("Text2(0)")    << "Frame1"  << QRect(24, 39, 34, 19)  << ""        << true  << none    << false;
    QTest::newRow("Label2(2)")   << "Frame1"  << QRect(152, 21, 41, 18) << "Secondi" << false << green   << true;
    QTest::newRow("Label2(1)")   << "Frame1"  << QRect(87, 20, 38, 18)  << "Minuti"  << false << green   << true;
    QTest::newRow("Label2(0)")   << "Frame1"  << QRect(23, 20, 38, 18)  << "Ore"     << false << green   << true;
    QTest::newRow("Command1(1)") << "frmMain" << QRect(84, 142, 61, 24) << "Exit"    << false << none    << true;
    QTest::newRow("Command1(0)") << "frmMain" << QRect(154, 142, 61, 24)<< "Calcola" << false << none    << true;
    QTest::newRow("Text1(1)")    << "frmMain" << QRect(133, 37, 81, 19) << ""        << false << none    << true;
    QTest::newRow("Text1(0)")    << "frmMain" << QRect(133, 6, 81, 19)  << ""        << false << none    << true;
    QTest::newRow("Label3(1)")   << "frmMain" << QRect(109, 46, 26, 13) << "[mA]"    << false << darkRed << true;
    QTest::newRow("Label3(0)")   << "frmMain" << QRect(109, 16, 22, 13) << "[mA]"    << false << darkRed << true;
    QTest::newRow("Label1(1)")   << "frmMain" << QRect(3, 35, 127, 15)  << "Capacità Pacco Batterie" << false << darkRed << true;
    QTest::newRow("Label1(0)")   << "frmMain" << QRect(3, 4, 127, 14)   << "Corrente di ricarica"    << false << darkRed << true;
    // clang-format on
}

void FrmMainTest::matchesTheDesign() {
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(bool, bold);
    QFETCH(QColor, textColour);
    QFETCH(bool, enabled);
    Fixture f;
    QCOMPARE(f.window->screen()->logicalDotsPerInch(), 96.0);

    const auto* control = f.control<QWidget>(QTest::currentDataTag());
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->isEnabled(), enabled);
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->autoFillBackground());
    } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QCOMPARE(button->text(), caption);
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        QCOMPARE(frame->title(), caption);
    }
    if (parent == "Frame1" || control->objectName() != "Frame1") {
        QCOMPARE(control->font().family(), QStringLiteral("Arial"));
        QCOMPARE(control->font().pointSizeF(), 8.25);
        QCOMPARE(control->font().bold(), bold);
    } else {
        QVERIFY(control->font().family() != QStringLiteral("Arial"));
    }
    if (textColour.isValid()) {
        QCOMPARE(control->palette().color(QPalette::WindowText), textColour);
    }
}

void FrmMainTest::windowIsFixedWithCloseBoxOnly() {
    Fixture f;
    QCOMPARE(f.window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Brenvol"));
    QCOMPARE(f.window->size(), QSize(220, 174));
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
    const auto flags = f.window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!f.window->windowIcon().isNull());
    QVERIFY(f.control<QPushButton>("Command1(0)")->isDefault());
    // The frame's red caption does not reach the result boxes' text, which greys when disabled.
    const QPalette results = f.control("Text2(0)")->palette();
    QCOMPARE(results.color(QPalette::Active, QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(results.color(QPalette::Disabled, QPalette::Text), QColor(109, 109, 109));
}

void FrmMainTest::tabCyclesThroughInputsAndButtons() {
    Fixture f;
    f.showAndActivate();
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"Text1(1)", "Command1(0)", "Command1(1)", "Text1(0)", "Text1(1)",
                                   "Command1(0)", "Command1(1)", "Text1(0)"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1(1)"));
}

void FrmMainTest::namesBoxesForScreenReaders() {
    Fixture f;
    QCOMPARE(f.control("Text1(0)")->accessibleName(), QStringLiteral("Corrente di ricarica"));
    QCOMPARE(f.control("Text1(1)")->accessibleName(), QStringLiteral("Capacità Pacco Batterie"));
    QCOMPARE(f.control("Text2(0)")->accessibleName(), QStringLiteral("Ore"));
    QCOMPARE(f.control("Text2(1)")->accessibleName(), QStringLiteral("Minuti"));
    QCOMPARE(f.control("Text2(2)")->accessibleName(), QStringLiteral("Secondi"));
}

void FrmMainTest::typingGoesThroughTheFilter_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");

    QTest::newRow("comma: point becomes comma") << ","
                                                << "1.5"
                                                << "1,5" << 0;
    QTest::newRow("comma: every separator key") << ","
                                                << "1.2,3:4;5/6\\7"
                                                << "1,2,3,4,5,6,7" << 0;
    QTest::newRow("point: comma becomes point") << "."
                                                << "1,5"
                                                << "1.5" << 0;
    QTest::newRow("minus anywhere") << ","
                                    << "-1-"
                                    << "-1-" << 0;
    QTest::newRow("letters and space beep") << ","
                                            << "1a b2"
                                            << "12" << 3;
    QTest::newRow("other punctuation beeps") << ","
                                             << "+1e3*"
                                             << "13" << 3;
    QTest::newRow("no separator: keys do nothing") << ""
                                                   << "1.5,2"
                                                   << "152" << 0;
    QTest::newRow("error text: keys insert E") << "ERROR CLOSING SUBKEY"
                                               << "1.5"
                                               << "1E5" << 0;
}

void FrmMainTest::typingGoesThroughTheFilter() {
    QFETCH(QString, separator);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, beeps);
    Fixture f(separator.toStdU16String());
    f.showAndActivate();
    QTest::keyClicks(f.control("Text1(1)"), typed);
    QCOMPARE(f.text("Text1(1)"), expected);
    QCOMPARE(f.beeps(), beeps);
}

void FrmMainTest::shortcutsChangeNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("beeps");
    const int ctrl = Qt::ControlModifier;
    // Ctrl+letter is a control code, which the rule refuses with a beep.
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << 1;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << 1;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << 1;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << 1;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << 1;
    // These type no character at all.
    QTest::newRow("Alt+F") << int(Qt::Key_F) << int(Qt::AltModifier) << 0;
    QTest::newRow("Alt+5") << int(Qt::Key_5) << int(Qt::AltModifier) << 0;
    QTest::newRow("Ctrl+5") << int(Qt::Key_5) << ctrl << 0;
}

void FrmMainTest::shortcutsChangeNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, beeps);
    Fixture f;
    f.showAndActivate();
    QApplication::clipboard()->setText(QStringLiteral("999"));
    auto* box = f.control("Text1(0)");
    QTest::keyClicks(box, "123");
    box->setSelection(0, 2);
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(box->text(), QStringLiteral("123"));
    QCOMPARE(box->selectedText(), QStringLiteral("12"));
    QCOMPARE(f.beeps(), beeps);
}

void FrmMainTest::editingKeysKeepWorking() {
    Fixture f;
    f.showAndActivate();
    auto* box = f.control("Text1(0)");
    QTest::keyClicks(box, "12345");
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("2345"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("234"));
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(box, "9");
    QCOMPARE(box->text(), QStringLiteral("294"));
    QCOMPARE(f.beeps(), 0);
}

void FrmMainTest::calculatesIntoResultBoxes_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("14 hours") << "100"
                              << "1000" << QStringList{"14", "0", "0"};
    QTest::newRow("9.8 hours") << "100"
                               << "700" << QStringList{"9", "48", "0"};
    QTest::newRow("negative") << "100"
                              << "-700" << QStringList{"-10", "12", "0"};
    QTest::newRow("with comma") << "100"
                                << "1,5" << QStringList{"0", "1", "16"};
}

void FrmMainTest::calculatesIntoResultBoxes() {
    QFETCH(QString, current);
    QFETCH(QString, capacity);
    QFETCH(QStringList, expected);
    Fixture f;
    f.calculate(current, capacity);
    QCOMPARE(f.results(), expected);
    f.calculate(current, capacity);  // twice, same texts
    QCOMPARE(f.results(), expected);
}

void FrmMainTest::enterInEitherBoxRunsCalcola_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("current") << "Text1(0)";
    QTest::newRow("capacity") << "Text1(1)";
}

void FrmMainTest::enterInEitherBoxRunsCalcola() {
    QFETCH(QString, box);
    Fixture f;
    f.showAndActivate();
    QTest::keyClicks(f.control("Text1(0)"), "100");
    QTest::keyClicks(f.control("Text1(1)"), "1000");
    f.control(box.toLatin1().constData())->setFocus();
    QTest::keyClick(f.control(box.toLatin1().constData()), Qt::Key_Return);
    QCOMPARE(f.results(), QStringList({"14", "0", "0"}));
}

void FrmMainTest::warnsAndKeepsResults_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("capacity");
    QTest::newRow("rejected: empty capacity") << "100"
                                              << "";
    QTest::newRow("failed: two zeros") << "00"
                                       << "1000";
}

void FrmMainTest::warnsAndKeepsResults() {
    QFETCH(QString, current);
    QFETCH(QString, capacity);
    Fixture f;
    f.showAndActivate();
    f.calculate("100", "700");
    f.control("Text1(1)")->setFocus();
    const auto shown = AnswerModalBox([&] { f.calculate(current, capacity); });
    QVERIFY(shown.has_value());
    QCOMPARE(shown->text, QStringLiteral("Controllare parametri inseriti"));
    QCOMPARE(shown->title, QStringLiteral("Attenzione"));
    QCOMPARE(shown->icon, QMessageBox::Critical);
    QCOMPARE(shown->owner, f.window.get());
    QCOMPARE(f.results(), QStringList({"9", "48", "0"}));
    QVERIFY(!QApplication::activeModalWidget());
    // The window has the focus back where it was, with no window manager to hand it back.
    QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
    QTRY_COMPARE(QApplication::focusWidget(), f.control("Text1(1)"));
}

void FrmMainTest::pasteGoesThroughTheFilter_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Shift+Insert") << "Shift+Insert";
    QTest::newRow("context menu") << "context menu";
    QTest::newRow("key event with text and no key") << "no key";
}

void FrmMainTest::pasteGoesThroughTheFilter() {
    QFETCH(QString, how);
    Fixture f;
    f.showAndActivate();
    auto* box = f.control("Text1(0)");
    QApplication::clipboard()->setText(QStringLiteral("1.5x"));
    if (how == "Shift+Insert") {
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (how == "context menu") {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                    box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(brenvol::qt::PasteAction(*menu));
        brenvol::qt::PasteAction(*menu)->trigger();
        menu->close();
    } else {
        QKeyEvent keyless(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("1.5x"));
        QApplication::sendEvent(box, &keyless);
    }
    QCOMPARE(box->text(), QStringLiteral("1,5"));
    QCOMPARE(f.beeps(), 1);
}

void FrmMainTest::resultsStayWhenAnInputChanges() {
    Fixture f;
    f.showAndActivate();
    f.calculate("100", "1000");
    QTest::keyClicks(f.control("Text1(1)"), "5");
    QTest::keyClick(f.control("Text1(0)"), Qt::Key_Backspace);
    QCOMPARE(f.results(), QStringList({"14", "0", "0"}));
}

void FrmMainTest::escapeLeavesTheWindowOpen() {
    Fixture f;
    f.showAndActivate();
    QTest::keyClick(f.control("Text1(0)"), Qt::Key_Escape);
    QTest::keyClick(f.window.get(), Qt::Key_Escape);
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.beeps(), 0);
}

void FrmMainTest::exitAndCloseBoxEndTheProgram_data() {
    QTest::addColumn<bool>("viaExit");
    QTest::newRow("Exit") << true;
    QTest::newRow("close box") << false;
}

void FrmMainTest::exitAndCloseBoxEndTheProgram() {
    QFETCH(bool, viaExit);
    Fixture f;
    f.showAndActivate();
    QTimer::singleShot(0, f.window.get(), [&f, viaExit] {
        if (viaExit) {
            f.control<QPushButton>("Command1(1)")->click();
        } else {
            f.window->close();  // what the system's close command does
        }
    });
    // The event loop ends when the program would, with its last window; or fails after 5 s.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!f.window->isVisible());
}

void FrmMainTest::registryFailureIsShownBeforeTheWindow() {
    FaultyRegistry registry;
    registry.MakeUncallable(FaultyRegistry::Operation::CreateKey);
    std::unique_ptr<brenvol::qt::FrmMainDialog> window;
    const auto shown = AnswerModalBox([&] {
        window = std::make_unique<brenvol::qt::FrmMainDialog>(
            registry, [] { return brenvol::calc::NumberFormat{}; });
    });
    QVERIFY(shown.has_value());
    QCOMPARE(shown->text,
             QStringLiteral("GetRegistry(): Error '453', Specified DLL function not found"));
    QCOMPARE(shown->title, QStringLiteral("Brenvol"));
    QCOMPARE(shown->icon, QMessageBox::NoIcon);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->DecimalSeparator(), u"");
}

void FrmMainTest::typedCharacterCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expected");  // -1: not a character key; 0: types nothing
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    QTest::newRow("digit") << int(Qt::Key_5) << none << int('5');
    QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << int('5');
    QTest::newRow("shifted colon") << int(Qt::Key_Colon) << int(Qt::ShiftModifier) << int(':');
    QTest::newRow("letter") << int(Qt::Key_A) << none << int('A');
    QTest::newRow("Ctrl+backslash") << int(Qt::Key_Backslash) << ctrl << 28;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << 1;
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << (ctrl | int(Qt::ShiftModifier)) << 26;
    QTest::newRow("Ctrl+digit") << int(Qt::Key_1) << ctrl << 0;
    QTest::newRow("AltGr as Ctrl+Alt") << int(Qt::Key_At) << (ctrl | alt) << int('@');
    QTest::newRow("Alt+letter") << int(Qt::Key_F) << alt << 0;
    QTest::newRow("Meta+digit") << int(Qt::Key_1) << int(Qt::MetaModifier) << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << 27;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << 8;
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << ctrl << 127;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << 9;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << ctrl << 10;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << -1;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << -1;
    QTest::newRow("Left") << int(Qt::Key_Left) << int(Qt::ShiftModifier) << -1;
    QTest::newRow("euro") << 0x20AC << none << 0x20AC;
    QTest::newRow("beyond 16 bits") << 0x1F50B << none << 0xFFFD;
}

void FrmMainTest::typedCharacterCodes() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, expected);
    const auto typed = brenvol::qt::TypedCharacter(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(typed.has_value() ? int(*typed) : -1, expected);
}

QTEST_MAIN(FrmMainTest)
#include "frm_main_dialog_test.moc"
