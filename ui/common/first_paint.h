// Runs a function once, right after a window has been painted and put on screen for
// the first time. The paint of the top-level widget starts the repaint of the whole
// window; a zero timer started from there runs when that repaint has been flushed.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <functional>
#include <utility>

class FirstPaintWatcher : public QObject {
  public:
    FirstPaintWatcher(QWidget* window, std::function<void()> then)
        : QObject(window), window_(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                if (then_) then_();
                deleteLater();
            });
        }
        return false;
    }

  private:
    QWidget* window_;
    std::function<void()> then_;
};

// `then` runs once after the first paint of `window` (owned by the window).
inline void WhenFirstPainted(QWidget* window, std::function<void()> then) {
    new FirstPaintWatcher(window, std::move(then));
}

// For the start-up benchmark, when TS_QUIT_AFTER_START is set: the moment a step of
// the start-up ended, as one line "<step> <ns>" (steady clock) on standard output. The
// step "first-paint" is the moment the window was first on screen.
inline void ReportStartupStep(const char* step) {
    static const bool reporting = qEnvironmentVariableIsSet("TS_QUIT_AFTER_START");
    if (!reporting) return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%s %lld\n", step,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}
