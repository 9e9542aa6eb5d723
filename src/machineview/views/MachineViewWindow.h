#pragma once

#include "machineview/HandTransfers.h"
#include "machineview/MachineViewModel.h"
#include "machineview/views/MachineViewControls.h"
#include "machineview/views/ZoomedPlaces.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>

namespace zeb::machineview::views {

class ProcessorDiagram;

// What the Machine view window asks of the windows around it.
struct MachineViewWindowLinks {
    // Cancel: the main window comes back.
    std::function<void()> cancelled;
    // Options > "Wait fixed periods": the wait-interval dialog, modal.
    std::function<void()> showWaitIntervalDialog;
    // A run from the view starts (true) or ends (false): a shown clock chart
    // stays on top meanwhile.
    std::function<void(bool running)> runStateChanged;
};

// "ZEB'S PROCESSOR": the block diagram of the machine with the fields of the
// clock-cycle model, the run controls and the clock. It repaints what the
// model changed at screen rate, however fast a run goes.
class MachineViewWindow : public QMainWindow, public MachineViewObserver {
    Q_OBJECT
  public:
    explicit MachineViewWindow(MachineViewModel& model, MachineViewWindowLinks links = {});
    ~MachineViewWindow() override;

    // Everything shown again from the model at once (otherwise at the next frame).
    void refresh();
    // The drawing scaled down, never up, so that the window with a frame of
    // `frame` fits into `area`; text stays legible however small the drawing.
    void fitInto(const QRect& area, const QMargins& frame);
    qreal zoom() const { return zoom_; }

    void run();
    void cancel();

    void fieldChanged(ViewField field) override;
    void gatewayChanged(Gateway gateway) override;
    void wireChanged(int wire) override;
    void controlChanged(ViewControl control) override;
    void gridTextChanged(int row, int column) override;
    void gridSelectionChanged() override;
    void clockChanged(int picture) override;
    void stackPartsChanged(bool shown) override;
    void clockChartChanged() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createDiagram();
    void connectControls();
    // Where each control of the drawing stands at full size, and its font.
    void rememberNaturalPlaces();
    void applyZoom(qreal zoom);
    void requestRefresh();

    MachineViewModel& model_;
    MachineViewDisplay& display_;
    HandTransfers hands_;
    MachineViewWindowLinks links_;
    QTimer frame_;

    ProcessorDiagram* diagram_ = nullptr;
    MachineViewControls controls_;

    ZoomedPlaces naturalPlaces_;
    qreal zoom_ = 1;
};

} // namespace zeb::machineview::views
