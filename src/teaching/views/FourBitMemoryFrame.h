#pragma once
#include "teaching/FourBitMemory.h"
#include "ui/DiagramFrame.h"

#include <array>

namespace zeb::ui {
class ValuePanel;
}

namespace zeb::teaching::views {

// Four controlled flip-flops sharing one Control, with their inputs and outputs.
class FourBitMemoryFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    FourBitMemoryFrame(FourBitMemory& memory, QWidget* parent);
    void refresh();

  signals:
    void changed();

  private:
    FourBitMemory& memory_;
    ui::ValuePanel* controlPanel_;
    std::array<ui::ValuePanel*, 4> inputPanels_{};
    std::array<ui::ValuePanel*, 4> storedPanels_{};
    std::array<ui::ValuePanel*, 4> outputPanels_{};
};

} // namespace zeb::teaching::views
