// frm_main_hands: the Qt window's hands for the window's cases (window_cases.mjs runs them, on the
// desktop desktop_session.sh starts). A thread reads the commands and presses keys and buttons
// through the X server with xdotool, as a keyboard and a mouse would, while the window runs its
// own event loop. After each action it waits until the window has had it: a last key, F12,
// which the hands take for themselves, has arrived, or the action moved the keyboard to another
// window (a key sent meanwhile is the window system's to drop), or closed the window.
#include <QAccessible>
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

#include "support/hands.h"
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

struct Hands : QObject {
    std::atomic<int> taken = 0;  // the F12 keys the windows have had
    brenvol::settings::FaultyRegistry registry;
    CountingDialog* window = nullptr;
    DragSource* source = nullptr;  // shown for the first drop: a Wayland session has none

    Hands() {
        qApp->installEventFilter(this);
        brenvol::regional::SeedRegionalSettings(registry, u",");
    }

    // Takes F12 from every window, and counts it.
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

    // A new window over the registry holding ",", converting numbers with it, once it has the
    // keyboard; the last one goes once its warning, if any, is answered and its loop is left.
    void Open() {
        OnWindow([&] {
            if (QWidget* warning = QApplication::activeModalWidget()) {
                warning->close();
            }
            if (window) {
                window->hide();
                window->deleteLater();
            }
            window = new CountingDialog(registry, [] { return brenvol::calc::NumberFormat{u","}; });
            window->show();
            return true;
        });
        Settle();
    }

    // The top-level window with the keyboard: Qt's record of it, or, where that has none, the X
    // server's. On a busy machine Qt 6.4's X11 plugin may miss the window system handing the
    // keyboard back to the window as its warning goes; it still gives the window the keys it
    // gets, to the control that has the window's focus.
    static QWidget* WithKeyboard() {
        QWidget* active = QApplication::activeWindow();
        if (active || QGuiApplication::platformName() != "xcb") {
            return active;
        }
        QProcess xdotool;
        xdotool.start("xdotool", {"getwindowfocus"});
        xdotool.waitForFinished();
        const WId focus = xdotool.readAllStandardOutput().trimmed().toULongLong();
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto found = std::find_if(windows.begin(), windows.end(), [focus](QWidget* w) {
            return w->isVisible() && w->internalWinId() == focus;
        });
        return found != windows.end() ? *found : nullptr;
    }

    // Until the window, its warning while it shows, or the context menu has the keyboard.
    void Settle() {
        while (!OnWindow([&] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* popup = QApplication::activePopupWidget();
            return !window->isVisible() || (popup && popup->windowHandle()->isExposed()) ||
                   (!popup && WithKeyboard() == (modal ? modal : window));
        })) {
            QThread::msleep(1);
        }
    }

    // Just inside the focused box's right edge: past the end of its text.
    static QPoint TextEnd() {
        return OnWindow([] {
            QWidget* box = QApplication::focusWidget();
            return box->mapToGlobal(QPoint(box->width() - 4, box->height() / 2));
        });
    }

    void Do(const brenvol::test::Command& command) {
        Settle();
        const QString text = QString::fromStdU16String(command.text);
        const int before = taken;
        QWidget* const active = OnWindow([] { return WithKeyboard(); });
        if (command.verb == "clipboard") {
            return void(OnWindow([&] {
                QApplication::clipboard()->setText(text);
                QApplication::clipboard()->setText(text, QClipboard::Selection);
                return true;
            }));
        } else if (command.verb == "type") {
            for (QChar c : text) {
                Xdotool({"type", c});
            }
        } else if (command.verb == "key") {
            QStringList chord;
            for (const std::string& key : brenvol::test::Keys(command.argument)) {
                chord << KeyName(key);
            }
            Xdotool({"key", chord.join('+')});
        } else if (command.verb == "click") {
            Point(OnWindow([&] {
                auto* warning = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QWidget* control = command.argument == "OK"
                                       ? warning->button(QMessageBox::Ok)
                                       : window->findChild<QWidget*>(command.argument.c_str());
                return control->mapToGlobal(control->rect().center());
            }));
            Xdotool({"click", "1"});
        } else if (command.verb == "middle-click") {
            Point(TextEnd());
            Xdotool({"click", "2"});
        } else {  // a drop
            while (!OnWindow([&] {
                source = source ? source : new DragSource;
                source->show();
                return source->windowHandle()->isExposed();
            })) {
                QThread::msleep(1);
            }
            const QPoint from = OnWindow([&] { return source->mapToGlobal(QPoint(40, 20)); });
            const QPoint to = TextEnd();
            Point(from);
            Xdotool({"mousedown", "1"});
            for (int step = 1; step <= 4; ++step) {
                Point(from + (to - from) * step / 4);
            }
            Xdotool({"mouseup", "1"});
        }
        Xdotool({"key", "F12"});
        while (taken == before && OnWindow([&] {
                   QWidget* now = WithKeyboard();
                   return window->isVisible() && (now == active || !now);
               })) {
            QThread::msleep(1);
        }
    }

    std::string Answer(const brenvol::test::Command& command) {
        if (command.verb == "state") {
            return State();
        }
        command.verb == "open" ? Open() : Do(command);
        return "ok";
    }

    // What the window last told screen readers: the name of the notification it shows them.
    // Orca hears it shown (tests/faces/screen_reader/).
    std::u16string Said() const {
        auto* notice = window->findChild<QWidget*>("announcement");
        if (!notice) {
            return u"";  // nothing said yet
        }
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(notice);
        return heard && heard->role() == QAccessible::Notification
                   ? heard->text(QAccessible::Name).toStdU16String()
                   : u"(no notification)";
    }

    std::string State() {
        Settle();
        return OnWindow([&] {
            std::u16string boxes[5], warning;
            const bool closed = !window->isVisible();
            int i = 0;
            for (const char* name : {"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text2(2)"}) {
                const QString text = window->findChild<QLineEdit*>(name)->text();
                boxes[i++] = closed ? u"" : text.toStdU16String();
            }
            QWidget* focus = WithKeyboard() == window ? window->focusWidget() : nullptr;
            std::string icon;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                warning = (box->windowTitle() + ": " + box->text()).toStdU16String();
                icon = box->parentWidget() != window          ? "not-the-window's"
                       : box->icon() == QMessageBox::Critical ? "error"
                                                              : "none";
            }
            return brenvol::test::StateJson(boxes, window->beeps,
                                            focus ? focus->objectName().toStdString() : "none",
                                            warning, icon, closed, closed ? u"" : Said());
        });
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // a case's window closes, and the next opens
    Hands hands;
    std::thread user([&] {
        for (brenvol::test::Command command; brenvol::test::Read(command);) {
            brenvol::test::Answer(hands.Answer(command));
        }
        QMetaObject::invokeMethod(&app, [] { QApplication::exit(0); });
    });
    const int status = app.exec();
    user.join();
    return status;
}
