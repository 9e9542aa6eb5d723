#pragma once
#include <QSlider>

namespace zeb::ui {

// A slider whose keyboard focus shows as the plain focus mark of the other
// controls, whatever the style draws.
class MarkedSlider : public QSlider {
    Q_OBJECT
  public:
    using QSlider::QSlider;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zeb::ui
