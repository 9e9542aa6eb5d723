#pragma once
#include "ui/GatePainter.h"

#include <QWidget>

namespace zeb::ui {

// A gate drawn as a picture on a diagram; a double-click on it is reported.
class GateSymbol : public QWidget {
    Q_OBJECT
  public:
    GateSymbol(GateShape shape, QWidget* parent = nullptr);

    GateShape shape() const { return shape_; }
    // Where wires join, in the parent's coordinates.
    QPoint inputPin(int index) const;
    QPoint outputPin() const;

  signals:
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    GateShape shape_;
};

} // namespace zeb::ui
