#pragma once
#include "ui/WireLine.h"

#include <QGroupBox>

namespace zeb::ui {

// A framed part of a window that draws its wires underneath its child widgets
// (panels, gate symbols). Wires are found by name to be recoloured.
class DiagramFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit DiagramFrame(const QString& title, QWidget* parent = nullptr);

    void addWire(WireLine wire);
    void setWirePen(const QString& name, const QColor& colour, int width);
    // Reroutes a wire that runs differently as the diagram's state changes.
    void setWirePaths(const QString& name, const QList<QPolygon>& paths, const QList<QPoint>& dots);
    const WireLine* wire(const QString& name) const;
    const QList<WireLine>& wires() const { return wires_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<WireLine> wires_;
};

} // namespace zeb::ui
