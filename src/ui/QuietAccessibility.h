#pragma once
#include <QAccessible>

namespace zeb::ui {

// While it lives, the accessibility updates of widgets are dropped instead
// of going to a screen reader; the handler before it comes back after.
// Hundreds of widgets made and shown while a screen reader already listens
// (the start-up screen has let the event loop run) would each send their
// creation, name and show updates, more than the reader's event queue
// holds; it learns of the finished window when that is activated.
class QuietAccessibility {
  public:
    QuietAccessibility();
    ~QuietAccessibility();
    QuietAccessibility(const QuietAccessibility&) = delete;
    QuietAccessibility& operator=(const QuietAccessibility&) = delete;

  private:
    QAccessible::UpdateHandler previous_;
};

} // namespace zeb::ui
