#pragma once

#include "machineview/HandTransfers.h"
#include "machineview/MachineViewModel.h"
#include "machineview/views/ZoomedPlaces.h"

#include <QMainWindow>
#include <QTimer>

#include <QFont>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zeb::machineview::views {

class ClockPicture;
class DiagramPanel;
class MemoryTable;
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
    void createPanels();
    void createGateways();
    void createControls();
    void createMenu();
    void watchHover(QWidget* widget);
    // Where each control of the drawing stands at full size, and its font.
    void rememberNaturalPlaces();
    void applyZoom(qreal zoom);
    void requestRefresh();
    DiagramPanel* panel(ViewField field) const;

    MachineViewModel& model_;
    MachineViewDisplay& display_;
    HandTransfers hands_;
    MachineViewWindowLinks links_;
    QTimer frame_;

    ProcessorDiagram* diagram_ = nullptr;
    MemoryTable* memory_ = nullptr;
    std::array<DiagramPanel*, kFieldCount> panels_{};
    DiagramPanel* instructionDecoder_ = nullptr;
    DiagramPanel* alu_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* stackLabel_ = nullptr;
    std::array<QCheckBox*, kGatewayCount> gateways_{};
    std::array<QWidget*, kControlCount> controls_{};
    QCheckBox* waitForContinue_ = nullptr;
    QPushButton* help_ = nullptr;
    ClockPicture* clock_ = nullptr;
    QLabel* clockCaption_ = nullptr;
    QAction* showClock_ = nullptr;
    QGroupBox* clockFrame_ = nullptr;

    ZoomedPlaces naturalPlaces_;
    qreal zoom_ = 1;
};

} // namespace zeb::machineview::views
