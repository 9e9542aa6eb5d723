#pragma once

#include "machineview/MachineViewElements.h"

#include <QList>

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMainWindow;
class QPushButton;
class QWidget;

namespace zeb::machineview {
class MachineViewDisplay;
}

namespace zeb::machineview::views {

class ClockPicture;
class DiagramPanel;
class MemoryTable;
class ProcessorDiagram;

// The widgets of the Machine view, created, named and placed on the diagram
// in one place. Their object and accessible names are what tests, the hover
// texts and screen readers find them by; what they do is wired by the window.
struct MachineViewControls {
    MemoryTable* memory = nullptr;
    // By field; the status line and the clock caption are labels of their own.
    std::array<DiagramPanel*, kFieldCount> panels{};
    DiagramPanel* instructionDecoder = nullptr;
    DiagramPanel* alu = nullptr;
    QLabel* status = nullptr;
    QLabel* stackLabel = nullptr;
    std::array<QCheckBox*, kGatewayCount> gateways{};
    // The run buttons and the wait box, by control.
    std::array<QWidget*, kControlCount> controls{};
    QCheckBox* waitForContinue = nullptr;
    QGroupBox* clockFrame = nullptr;
    ClockPicture* clock = nullptr;
    QLabel* clockCaption = nullptr;
    QAction* showClock = nullptr;
    QAction* fixedPeriods = nullptr;

    // Creates every control on `diagram`, then the Options menu in `window`'s
    // menu bar: made last, the bar stays the window's last child, after the
    // drawing, for screen readers as for Tab.
    static MachineViewControls create(MachineViewDisplay& display, ProcessorDiagram* diagram,
                                      QMainWindow* window);

    DiagramPanel* panel(ViewField field) const { return panels[static_cast<std::size_t>(field)]; }
    QCheckBox* gateway(Gateway g) const { return gateways[static_cast<std::size_t>(g)]; }
    QPushButton* button(ViewControl control) const;
    // The controls that explain themselves on the status line when hovered.
    QList<QWidget*> explained() const;
};

} // namespace zeb::machineview::views
