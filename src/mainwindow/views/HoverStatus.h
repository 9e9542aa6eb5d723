#pragma once
#include <QHash>
#include <QObject>

#include <functional>

class QWidget;

namespace zeb::views {

// Writes a control's status-bar text whenever the pointer enters or moves
// over it, or it gets the keyboard focus.
class HoverStatus : public QObject {
    Q_OBJECT
  public:
    using Action = std::function<void()>;
    explicit HoverStatus(QObject* parent = nullptr) : QObject(parent) {}

    void watch(QWidget* widget, Action action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QHash<QObject*, Action> actions_;
};

} // namespace zeb::views
