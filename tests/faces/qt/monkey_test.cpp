// Thousands of seeded random keystrokes and clicks into the Qt window, checking after each one
// what must always hold, whatever the inputs: the boxes hold only what can make a number; the
// results change only when "Calcola" is pressed; no message box stays open; "Exit" ends the
// program. BRENVOL_MONKEY_SEED and BRENVOL_MONKEY_STEPS change the run.
#include <QRandomGenerator>
#include <QRegularExpression>

#include "window_fixture.h"

namespace {

quint32 EnvironmentNumber(const char* name, quint32 fallback) {
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// Typing, editing, moving, and the shortcuts a user might try.
const QString kTyped = QStringLiteral("0123456789-.,:;/\\+eA'");
const std::pair<Qt::Key, Qt::KeyboardModifiers> kKeys[] = {
    {Qt::Key_Backspace, {}},
    {Qt::Key_Delete, {}},
    {Qt::Key_Left, {}},
    {Qt::Key_End, Qt::ShiftModifier},
    {Qt::Key_Tab, {}},
    {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Return, {}},
    {Qt::Key_Escape, {}},
    {Qt::Key_Space, {}},
    {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_F, Qt::AltModifier},
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void invariantsHold();
};

void MonkeyTest::invariantsHold() {
    const quint32 seed = EnvironmentNumber("BRENVOL_MONKEY_SEED", 20261207);
    const quint32 steps = EnvironmentNumber("BRENVOL_MONKEY_STEPS", 3000);
    qInfo("seed %u, %u steps", seed, steps);
    QRandomGenerator random(seed);

    Fixture f;
    f.showAndActivate();
    ModalBoxAnswerer answerer;
    QLineEdit* inputs[] = {f.control("Text1(0)"), f.control("Text1(1)")};
    auto* calcola = f.control<QPushButton>("Command1(0)");
    auto* exit = f.control<QPushButton>("Command1(1)");
    const QRegularExpression typeable(QStringLiteral("^[0-9,-]*$"));

    for (quint32 step = 0; step < steps; ++step) {
        const QStringList before = f.results();
        // The window gets the focus back when a message box closes, as the event loop turns.
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget(), 1000);
        QWidget* focus = QApplication::focusWidget();
        bool mayCalculate = false, pressedExit = false;
        const quint32 action = random.bounded(100);
        if (action < 50) {
            QTest::keyClick(focus, kTyped[random.bounded(kTyped.size())].toLatin1());
        } else if (action < 80) {
            const auto& [key, modifiers] = kKeys[random.bounded(int(std::size(kKeys)))];
            const bool press = key == Qt::Key_Return || key == Qt::Key_Space;
            mayCalculate = (key == Qt::Key_Return && focus != exit) || (press && focus == calcola);
            pressedExit = press && focus == exit;
            QTest::keyClick(focus, key, modifiers);
        } else if (action < 95) {
            QLineEdit* box = inputs[random.bounded(2)];
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(random.bounded(box->width()), 5));
        } else {
            mayCalculate = true;
            QTest::mouseClick(calcola, Qt::LeftButton);
        }

        const QByteArray at = "step " + QByteArray::number(step);
        const char* where = at.constData();
        QVERIFY2(!QApplication::activeModalWidget(), where);
        for (QLineEdit* box : inputs) {
            QVERIFY2(typeable.match(box->text()).hasMatch(), qPrintable(box->text()));
        }
        QVERIFY2(f.window->isVisible() != pressedExit, where);
        if (pressedExit) {
            f.showAndActivate();
        } else if (!mayCalculate) {
            QVERIFY2(f.results() == before, where);
        }
    }
    QVERIFY(answerer.answered > 0);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
