// frm_main_cases FACE: the window's cases (window_cases.txt) in the Qt window, each in a window of
// its own, on the desktop desktop_session.sh starts (FACE: qt-x11 or qt-wayland). A thread stands
// for the user's hands: it presses keys and buttons through the X server with xdotool, as a
// keyboard and a mouse would, while the window runs its own event loop. After each action it
// waits until the window has had it: a last key, F12, which the test takes for itself, has
// arrived, or the action moved the keyboard to another window (a key sent meanwhile is the
// window system's to drop), or closed the window.
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QThread>
#include <QWindow>
#include <atomic>
#include <thread>

#include "support/window_cases.h"
#include "window_fixture.h"

namespace {

// Runs `f` on the window's thread, whatever loop it is in, and returns what it returns.
template <typename F>
auto OnWindow(F f) {
    decltype(f()) result{};
    QMetaObject::invokeMethod(
        qApp, [&] { result = f(); }, Qt::BlockingQueuedConnection);
    return result;
}

// Takes F12 from every window, and counts it.
struct F12Taker : QObject {
    std::atomic<int> taken = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride) {
            return false;
        }
        const bool f12 = static_cast<QKeyEvent*>(event)->key() == Qt::Key_F12;
        taken += f12 && type == QEvent::KeyPress;
        return f12;
    }
};

// A window of another program's, as far as a drop is concerned: pressed, it drags the text of
// the clipboard. It never takes the keyboard.
struct DragSource : QLabel {
    DragSource() : QLabel("drag me") {
        setWindowFlags(Qt::Tool | Qt::WindowDoesNotAcceptFocus);
        setGeometry(10, 10, 80, 40);
    }
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        drag->setMimeData(new QMimeData);
        drag->mimeData()->setText(QApplication::clipboard()->text());
        drag->exec(Qt::CopyAction);
    }
};

void Xdotool(QStringList arguments) {
    QProcess::execute("xdotool", arguments);
}

void Point(QPoint at) {
    Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
}

// A key as xdotool names it.
QString KeyName(const std::string& name) {
    // clang-format off
    static const std::map<std::string, QString> names = {
        {"Enter", "Return"}, {"KeypadEnter", "KP_Enter"}, {"Backspace", "BackSpace"}, {"Space", "space"},
        {"AltGr", "ISO_Level3_Shift"}, {"Ctrl", "ctrl"}, {"Shift", "shift"}, {"Alt", "alt"},
        {"Super", "super"}, {".", "period"}, {",", "comma"}, {"[", "bracketleft"}, {"]", "bracketright"}};
    // clang-format on
    const QString key = QString::fromStdString(name);
    return names.contains(name) ? names.at(name) : key.size() == 1 ? key.toLower() : key;
}

struct Session {
    CountingDialog& window;
    F12Taker& taker;
    DragSource& source;

    // Until the window, its warning while it shows, or the context menu has the keyboard.
    void Settle() {
        while (!OnWindow([&] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* popup = QApplication::activePopupWidget();
            return !window.isVisible() || (popup && popup->windowHandle()->isExposed()) ||
                   (!popup && (modal ? modal : &window)->isActiveWindow());
        })) {
            QThread::msleep(1);
        }
    }

    // Just inside the focused box's right edge: past the end of its text.
    QPoint TextEnd() {
        return OnWindow([] {
            QWidget* box = QApplication::focusWidget();
            return box->mapToGlobal(QPoint(box->width() - 4, box->height() / 2));
        });
    }

    void Do(const brenvol::test::UserAction& action) {
        Settle();
        const QString text = QString::fromStdU16String(action.text);
        const int taken = taker.taken;
        QWidget* const active = OnWindow([] { return QApplication::activeWindow(); });
        if (action.kind == "clipboard") {
            return void(OnWindow([&] {
                QApplication::clipboard()->setText(text);
                QApplication::clipboard()->setText(text, QClipboard::Selection);
                return true;
            }));
        } else if (action.kind == "type") {
            for (QChar c : text) {
                Xdotool({"type", c});
            }
        } else if (action.kind == "key") {
            QStringList chord;
            for (const std::string& key : action.keys) {
                chord << KeyName(key);
            }
            Xdotool({"key", chord.join('+')});
        } else if (action.kind == "click") {
            Point(OnWindow([&] {
                auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QWidget* control = text == "OK" ? warning->button(QMessageBox::Ok)
                                                : window.findChild<QWidget*>(text);
                return control->mapToGlobal(control->rect().center());
            }));
            Xdotool({"click", "1"});
        } else if (action.kind == "middle-click") {
            Point(TextEnd());
            Xdotool({"click", "2"});
        } else {  // a drop
            const QPoint from = OnWindow([&] { return source.mapToGlobal(QPoint(40, 20)); });
            const QPoint to = TextEnd();
            Point(from);
            Xdotool({"mousedown", "1"});
            for (int step = 1; step <= 4; ++step) {
                Point(from + (to - from) * step / 4);
            }
            Xdotool({"mouseup", "1"});
        }
        Xdotool({"key", "F12"});
        while (taker.taken == taken && OnWindow([&] {
                   QWidget* now = QApplication::activeWindow();
                   return window.isVisible() && (now == active || !now);
               })) {
            QThread::msleep(1);
        }
    }

    brenvol::test::WindowState State() {
        Settle();
        return OnWindow([&] {
            std::u16string boxes[5], warning;
            const bool closed = !window.isVisible();
            int i = 0;
            for (const char* name : {"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)"}) {
                const QString text = window.findChild<QLineEdit*>(name)->text();
                boxes[i++] = closed ? u"" : text.toStdU16String();
            }
            QWidget* focus = QApplication::focusWidget();
            const bool ours = focus && focus->window() == &window && window.isActiveWindow();
            std::string icon;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                warning = (box->windowTitle() + ": " + box->text()).toStdU16String();
                icon = box->parentWidget() != &window         ? "not-the-window's"
                       : box->icon() == QMessageBox::Critical ? "error"
                                                              : "none";
            }
            return brenvol::test::StateOf(boxes, window.beeps,
                                          ours ? focus->objectName().toStdString() : "none",
                                          warning, icon, closed);
        });
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    F12Taker taker;
    app.installEventFilter(&taker);
    DragSource source;
    source.show();
    const auto run = [&](const brenvol::test::WindowCase& c) {
        Fixture f;
        brenvol::test::WindowState state;
        QEventLoop loop;
        std::thread user([&] {
            Session session{*f.window, taker, source};
            for (const brenvol::test::UserAction& action : c.actions) {
                session.Do(action);
            }
            state = session.State();
            QMetaObject::invokeMethod(&loop, [&loop] {
                if (QWidget* warning = QApplication::activeModalWidget()) {
                    warning->close();
                }
                loop.quit();
            });
        });
        loop.exec();
        user.join();
        return state;
    };
    return brenvol::test::RunWindowCases(argc > 1 ? argv[1] : "qt", run) == 0 ? 0 : 1;
}
