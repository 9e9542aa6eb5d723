#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>

#include <functional>

namespace zeb::views {

// Gathers the changes of fields during a fast run and has them shown together
// at screen rate: a run changes fields far more often than a screen can show,
// and writing and painting each change would cost most of the run. What a
// screen reader is told of those changes is gathered the same way, at the
// rate a listener can follow.
class RepaintPacer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kFrameMs = 16;
    static constexpr int kTellMs = 100;

    // `showFrame` shows everything that changed since the last frame.
    RepaintPacer(std::function<void()> showFrame, QObject* parent = nullptr);
    // Something changed: shown within kFrameMs.
    void requestFrame() {
        if (frameDue_) return;
        frameDue_ = true;
        timer_.start();
    }
    // `tell` runs within kTellMs; a later request for the same object and
    // kind replaces it, so the last change is the one told.
    void tellLater(QObject* object, int kind, std::function<void()> tell);
    // Everything waiting is told now (a run has ended).
    void tellNow();

  private:
    struct Telling {
        QPointer<QObject> object;
        int kind;
        std::function<void()> tell;
    };

    QTimer timer_;
    // Asked for on every change of a run: a flag is cheaper than the timer's.
    bool frameDue_ = false;
    QTimer tellTimer_;
    QVector<Telling> telling_;
};

} // namespace zeb::views
