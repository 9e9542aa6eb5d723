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
    // program's top-level windows (false while another application had the
    // focus). Windows that the watched one owns, such as the help its Help
    // button opened, do not count: coming back from them is no return.
    bool cameFromOwnWindow() const;

  private:
    bool belongsToWatched(const QWidget* window) const;
    void noteFocusWindow(QWindow* focusWindow);

    QWidget* window_;
    QPointer<QWindow> previous_;
};

} // namespace zeb::teaching::views
