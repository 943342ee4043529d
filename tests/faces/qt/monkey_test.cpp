// Thousands of seeded random keystrokes and clicks into the Qt window, checking after each one
// what must hold whatever the inputs: the boxes hold only what can make a number; the results
// change only when "Calcola" is pressed; no message box stays open; "Exit" ends the program.
// BRENVOL_MONKEY_SEED and BRENVOL_MONKEY_STEPS change the run.
#include <QRandomGenerator>
#include <QRegularExpression>

#include "window_fixture.h"

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void invariantsHold() {
        QRandomGenerator random(qEnvironmentVariable("BRENVOL_MONKEY_SEED", "20261207").toUInt());
        const int steps = qEnvironmentVariable("BRENVOL_MONKEY_STEPS", "3000").toInt();
        // Typing, editing and moving keys, and the shortcuts a user might try.
        const QString typed = QStringLiteral("0123456789-.,:;/\\+eA'\b\t\r\x1B ");
        Fixture f;
        ModalBoxAnswerer answerer;
        QLineEdit* inputs[] = {f.control("Text1(0)"), f.control("Text1(1)")};
        auto* calcola = f.control<QPushButton>("Command1(0)");
        for (int step = 0; step < steps; ++step) {
            const QString before = f.results();
            // The focus comes back when a message box closes, as the event loop turns.
            QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget(), 1000);
            QWidget* focus = QApplication::focusWidget();
            const char key = typed[random.bounded(typed.size())].toLatin1();
            const bool press = key == '\r' || key == ' ';
            const bool onExit = press && focus == f.control<QPushButton>("Command1(1)");
            bool mayCalculate = key == '\r' || (press && focus == calcola);
            const int action = random.bounded(100);
            if (action < 80) {
                QTest::keyClick(focus, key, action < 5 ? Qt::ControlModifier : Qt::NoModifier);
            } else if (action < 95) {
                QTest::mouseClick(inputs[action % 2], Qt::LeftButton, {}, QPoint(action, 5));
            } else {
                QTest::mouseClick(calcola, Qt::LeftButton);
            }
            mayCalculate = action < 80 ? mayCalculate : action >= 95;
            const QByteArray where = "step " + QByteArray::number(step);
            QVERIFY2(!QApplication::activeModalWidget(), where);
            for (QLineEdit* box : inputs) {
                QVERIFY2(QRegularExpression("^[0-9,-]*$").match(box->text()).hasMatch(), where);
            }
            QVERIFY2(f.window->isVisible() != (action < 80 && onExit), where);
            QVERIFY2(mayCalculate || onExit || f.results() == before, where);
            if (!f.window->isVisible()) {
                f.window->show();
                QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
            }
        }
        QVERIFY(answerer.answered > 0);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
