#include "bench/first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <ctime>
#include <iostream>

namespace quillmoor::bench {
namespace {

class FirstPaintWatcher : public QObject {
public:
    bool painted() const { return painted_; }

    // Quits the loop once painted, after the events already pending.
    void QuitWhenPainted(QEventLoop& loop) {
        loop_ = &loop;
        if (painted_) {
            QTimer::singleShot(0, loop_, &QEventLoop::quit);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            painted_ = true;
            if (loop_ != nullptr) {
                QTimer::singleShot(0, loop_, &QEventLoop::quit);
            }
        }
        return false;
    }

private:
    bool painted_ = false;
    QEventLoop* loop_ = nullptr;
};

FirstPaintWatcher* watcher = nullptr;

}  // namespace

void WatchForFirstPaint() {
    watcher = new FirstPaintWatcher;
    watcher->setParent(qApp);
    qApp->installEventFilter(watcher);
}

void ReportWhenPaintedAndIdle() {
    QEventLoop loop;
    watcher->QuitWhenPainted(loop);
    loop.exec();
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::cout << now.tv_sec * 1'000'000'000LL + now.tv_nsec << std::endl;
}

}  // namespace quillmoor::bench
