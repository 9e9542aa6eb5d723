#pragma once
#include "machineview/MachineViewModel.h"

#include <QTimer>
#include <QWidget>

class QTableWidget;

namespace zeb::machineview::views {

// "Clock": which bus gateways open in which cycle of the fetch and store,
// with the current cycle's column marked while the window is shown. It
// follows the chart of the model: shown, hidden, caption and column.
class ClockChartWindow : public QWidget, public MachineViewObserver {
    Q_OBJECT
  public:
    explicit ClockChartWindow(MachineViewModel& model);
    ~ClockChartWindow() override;

    void refresh();
    void clockChartChanged() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    MachineViewModel& model_;
    QTableWidget* grid_ = nullptr;
    QTimer frame_;
    bool placed_ = false;
};

} // namespace zeb::machineview::views
