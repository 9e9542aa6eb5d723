#pragma once
#include "teaching/AddressedMemory.h"
#include "ui/DiagramFrame.h"

#include <array>

namespace zeb::ui {
class ValuePanel;
}

namespace zeb::teaching::views {

// Four 2-bit locations, an address decoder selecting one, and AND gates that
// let the selected location through to the output.
class AddressedMemoryFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    AddressedMemoryFrame(AddressedMemory& memory, QWidget* parent);
    void refresh();

  signals:
    void changed();
    void decoderRequested();

  private:
    AddressedMemory& memory_;
    std::array<ui::ValuePanel*, 2> addressPanels_{};
    std::array<std::array<ui::ValuePanel*, 2>, 4> storedPanels_{};
    std::array<ui::ValuePanel*, 2> outputPanels_{};
    ui::ValuePanel* controlPanel_;
};

} // namespace zeb::teaching::views
