#pragma once
#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace zeb::teaching::views {

// Remembers which window had the focus before the watched one, so that the
// watched window can tell, as it becomes active, whether the user came to it
// from another window of this program or from another application.
class ActivationWatcher : public QObject {
    Q_OBJECT
  public:
    explicit ActivationWatcher(QWidget* window);

    // Whether the window active before the watched one is one of this
    // program's top-level windows (false while another application had the focus).
    bool cameFromOwnWindow() const;

  private:
    void noteFocusWindow(QWindow* focusWindow);

    QWidget* window_;
    QPointer<QWindow> previous_;
};

} // namespace zeb::teaching::views
