// Thousands of seeded random keystrokes and clicks into frmMain, checking after each one what
// must always hold. BRENVOL_MONKEY_SEED and BRENVOL_MONKEY_STEPS change the run.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>
#include <variant>

#include "calc/charge_time.h"
#include "modal_box.h"
#include "window_fixture.h"

namespace {

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Typing, editing, moving and the shortcuts a user might try.
const Key kKeys[] = {{Qt::Key_0},
                     {Qt::Key_1},
                     {Qt::Key_2},
                     {Qt::Key_3},
                     {Qt::Key_4},
                     {Qt::Key_5},
                     {Qt::Key_6},
                     {Qt::Key_7},
                     {Qt::Key_8},
                     {Qt::Key_9},
                     {Qt::Key_0},
                     {Qt::Key_1},
                     {Qt::Key_5},
                     {Qt::Key_Minus},
                     {Qt::Key_Period},
                     {Qt::Key_Comma},
                     {Qt::Key_Colon},
                     {Qt::Key_Semicolon},
                     {Qt::Key_Slash},
                     {Qt::Key_Backslash},
                     {Qt::Key_Plus},
                     {Qt::Key_E},
                     {Qt::Key_A},
                     {Qt::Key_Space},
                     {Qt::Key_Apostrophe},
                     {Qt::Key_Backspace},
                     {Qt::Key_Backspace},
                     {Qt::Key_Delete},
                     {Qt::Key_Left},
                     {Qt::Key_Right},
                     {Qt::Key_Home},
                     {Qt::Key_End},
                     {Qt::Key_Left, Qt::ShiftModifier},
                     {Qt::Key_End, Qt::ShiftModifier},
                     {Qt::Key_Tab},
                     {Qt::Key_Backtab, Qt::ShiftModifier},
                     {Qt::Key_Return},
                     {Qt::Key_Enter, Qt::KeypadModifier},
                     {Qt::Key_Escape},
                     {Qt::Key_A, Qt::ControlModifier},
                     {Qt::Key_C, Qt::ControlModifier},
                     {Qt::Key_V, Qt::ControlModifier},
                     {Qt::Key_X, Qt::ControlModifier},
                     {Qt::Key_Z, Qt::ControlModifier},
                     {Qt::Key_Backspace, Qt::ControlModifier},
                     {Qt::Key_F, Qt::AltModifier},
                     {Qt::Key_F4}};

quint32 EnvironmentNumber(const char* name, quint32 fallback) {
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void invariantsHold_data();
    void invariantsHold();
};

void MonkeyTest::invariantsHold_data() {
    QTest::addColumn<QString>("separator");
    QTest::newRow("comma") << ",";
    QTest::newRow("point") << ".";
}

void MonkeyTest::invariantsHold() {
    QFETCH(QString, separator);
    const quint32 seed = EnvironmentNumber("BRENVOL_MONKEY_SEED", 20261206);
    const quint32 steps = EnvironmentNumber("BRENVOL_MONKEY_STEPS", 3000);
    qInfo("seed %u, %u steps", seed, steps);
    QRandomGenerator random(seed);

    Fixture f(separator.toStdU16String());
    f.showAndActivate();
    ModalBoxAnswerer answerer;
    QLineEdit* inputs[] = {f.control("Text1(0)"), f.control("Text1(1)")};
    auto* calcola = f.control<QPushButton>("Command1(0)");
    auto* exit = f.control<QPushButton>("Command1(1)");
    const QRegularExpression typeable(
        QStringLiteral("^[0-9\\-%1]*$").arg(QRegularExpression::escape(separator)));
    const brenvol::calc::NumberFormat format{separator.toStdU16String()};

    for (quint32 step = 0; step < steps; ++step) {
        const QStringList before = f.results();
        const QString current = inputs[0]->text(), capacity = inputs[1]->text();
        const int answeredBefore = answerer.answered;
        // A desktop gives the window back the focus when a message box closes; the offscreen
        // platform leaves that to the program.
        if (!QApplication::focusWidget()) {
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        }
        QWidget* focus = QApplication::focusWidget();
        bool pressedCalcola = false, pressedExit = false;

        const quint32 action = random.bounded(100);
        if (action < 75) {
            const Key& key = kKeys[random.bounded(int(std::size(kKeys)))];
            const bool enter = (key.key == Qt::Key_Return || key.key == Qt::Key_Enter);
            const bool press = enter || key.key == Qt::Key_Space;
            // Enter anywhere but on "Exit" presses the default button; the focused button
            // takes Enter and the space bar itself.
            pressedCalcola = (enter && focus != exit) || (press && focus == calcola);
            pressedExit = press && focus == exit;
            QTest::keyClick(focus, key.key, key.modifiers);
        } else if (action < 90) {
            QLineEdit* box = inputs[random.bounded(2)];
            QTest::mouseClick(box, Qt::LeftButton, {},
                              QPoint(random.bounded(box->width()), box->height() / 2));
        } else {
            pressedCalcola = true;
            QTest::mouseClick(calcola, Qt::LeftButton);
        }

        const auto where = qPrintable(QStringLiteral("step %1").arg(step));
        QVERIFY2(!QApplication::activeModalWidget(), where);
        for (QLineEdit* box : inputs) {
            QVERIFY2(typeable.match(box->text()).hasMatch(), qPrintable(box->text()));
        }
        if (pressedExit) {
            QVERIFY2(!f.window->isVisible(), where);
            f.showAndActivate();
            continue;
        }
        QVERIFY2(f.window->isVisible(), where);
        if (!pressedCalcola) {
            QCOMPARE(f.results(), before);
            QCOMPARE(answerer.answered, answeredBefore);
            continue;
        }
        // "Calcola" shows the whole result of the inputs it saw, or warns and leaves them.
        const auto outcome =
            brenvol::calc::Calculate(current.toStdU16String(), capacity.toStdU16String(), format);
        if (const auto* r = std::get_if<brenvol::calc::Results>(&outcome)) {
            QCOMPARE(f.results(), QStringList({QString::fromStdU16String(r->hours),
                                               QString::fromStdU16String(r->minutes),
                                               QString::fromStdU16String(r->seconds)}));
            QCOMPARE(answerer.answered, answeredBefore);
        } else {
            QCOMPARE(f.results(), before);
            QCOMPARE(answerer.answered, answeredBefore + 1);
        }
    }
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
