// Answers the window's modal message boxes in tests, which would otherwise wait for a user.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <optional>

// What a modal message box showed.
struct ShownBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QWidget* owner;
};

// While it lives, answers every modal message box with OK, as soon as it opens, and keeps
// what the last one showed.
class ModalBoxAnswerer {
public:
    ModalBoxAnswerer() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                last = ShownBox{box->text(), box->windowTitle(), box->icon(), box->parentWidget()};
                ++answered;
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll_.start(1);
    }

    std::optional<ShownBox> last;
    int answered = 0;

private:
    QTimer poll_;
};

// Runs `action`, answers the modal message box it opens with OK, and tells what it showed.
inline std::optional<ShownBox> AnswerModalBox(const std::function<void()>& action) {
    ModalBoxAnswerer answerer;
    action();
    return answerer.last;
}
