#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>

#include <functional>

class QWidget;

namespace zeb::views {

// Gathers the repaints of fields that change during a fast run and asks for
// them together at screen rate: a run changes fields far more often than a
// screen can show, and painting each change would cost most of the run.
// What a screen reader is told of those changes is gathered the same way,
// at the rate a listener can follow.
class RepaintPacer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kFrameMs = 16;
    static constexpr int kTellMs = 100;

    explicit RepaintPacer(QObject* parent = nullptr);
    void request(QWidget* widget);
    // `tell` runs within kTellMs; a later request for the same object and
    // kind replaces it, so the last change is the one told.
    void tellLater(QObject* object, int kind, std::function<void()> tell);
    // Everything waiting is told now (a run has ended).
    void tellNow();

  private:
    void flush();

    struct Telling {
        QPointer<QObject> object;
        int kind;
        std::function<void()> tell;
    };

    QTimer timer_;
    QVector<QPointer<QWidget>> pending_;
    QTimer tellTimer_;
    QVector<Telling> telling_;
};

} // namespace zeb::views
