#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>

class QWidget;

namespace zeb::views {

// Gathers the repaints of fields that change during a fast run and asks for
// them together at screen rate: a run changes fields far more often than a
// screen can show, and painting each change would cost most of the run.
class RepaintPacer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kFrameMs = 16;

    explicit RepaintPacer(QObject* parent = nullptr);
    void request(QWidget* widget);

  private:
    void flush();

    QTimer timer_;
    QVector<QPointer<QWidget>> pending_;
};

} // namespace zeb::views
