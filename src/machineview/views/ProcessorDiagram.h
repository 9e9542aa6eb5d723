#pragma once
#include "machineview/MachineViewDisplay.h"

#include <QWidget>

#include <array>

namespace zeb::machineview::views {

// The drawing under the Machine view's controls: the Bus, the wires between
// the blocks and the dots where wires join, painted as vectors so that they
// stay sharp at any scale. Each wire is also an object "Line<n>" whose
// properties "colour", "penWidth" and "shown" say how it is drawn.
class ProcessorDiagram : public QWidget {
    Q_OBJECT
  public:
    ProcessorDiagram(const MachineViewDisplay& display, QWidget* parent);

    // Takes the wires' colours, widths and visibility from the display.
    void refreshWires();
    // The drawing at `zoom` times the layout's size.
    void setZoom(qreal zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintWire(QPainter& painter, int wire) const;

    const MachineViewDisplay& display_;
    std::array<QObject*, kWireCount> wires_{};
    qreal zoom_ = 1;
};

} // namespace zeb::machineview::views
