// For the start-up benchmark: once the window has finished its first paint, prints the wall
// clock then (microseconds since the epoch) and the process's peak resident memory, and ends
// the program.
#pragma once

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace brenvol::bench {

class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget& window) { window.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued, so it runs once this paint has been drawn and flushed.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("first_paint_us=%lld maxrss_kb=%ld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                            usage.ru_maxrss);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool painted_ = false;
};

}  // namespace brenvol::bench
