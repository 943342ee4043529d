// The Qt window: what only the face can get wrong, its picture and text with no key. What a
// person does with keys, pastes and clicks is window_cases.txt, which every face runs.
#include "support/picture_diff.h"
#include "window_fixture.h"

class FrmMainDialogTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned();
    void keylessTextGoesThroughTheRule();
};

// 220 x 174 pixels: the rows need no padding.
brenvol::RgbPicture ToRgb(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    return {rgb.width(), rgb.height(), {rgb.constBits(), rgb.constBits() + rgb.sizeInBytes()}};
}

// Fixed in size; after a calculation, at 96 dpi and with the focus on no box so that no caret
// blinks, looks as its picture.
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

// A key event that carries text and no key, as some input devices send: its text goes through
// the rule. (What a person does with keys, pastes and clicks: window_cases.txt.)
void FrmMainDialogTest::keylessTextGoesThroughTheRule() {
    Fixture f;
    QKeyEvent keyless(QEvent::KeyPress, 0, Qt::NoModifier, "1.x");
    QApplication::sendEvent(f.control("Text1(1)"), &keyless);
    QCOMPARE(f.control("Text1(1)")->text(), "1,");
    QCOMPARE(f.window->beeps, 1);
}

QTEST_MAIN(FrmMainDialogTest)
#include "frm_main_dialog_test.moc"
