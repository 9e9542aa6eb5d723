#pragma once
#include "machineview/MachineViewDisplay.h"

#include <QTableWidget>

#include <set>

namespace zeb::machineview::views {

// The memory table of the view: address, operator and operand of each cell,
// with the decoder's cell selected and scrolled to the top. Keys typed into
// it are discarded; a click is reported and the selection then follows the
// model again.
class MemoryTable : public QTableWidget {
    Q_OBJECT
  public:
    MemoryTable(const MachineViewDisplay& display, QWidget* parent);

    void markRowChanged(int row) { changedRows_.insert(row); }
    // The changed rows, the column widths and the selection from the display.
    void refresh();
    void refreshSelection();
    // Rows and the address column at `zoom` times their size.
    void setZoom(qreal zoom);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const MachineViewDisplay& display_;
    std::set<int> changedRows_;
    qreal zoom_ = 1;
};

} // namespace zeb::machineview::views
