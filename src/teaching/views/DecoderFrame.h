#pragma once
#include "teaching/AddressDecoder.h"
#include "ui/DiagramFrame.h"

#include <array>

class QCheckBox;

namespace zeb::ui {
class TruthGrid;
class ValuePanel;
} // namespace zeb::ui

namespace zeb::teaching::views {

// The 2-bit address decoder, drawn either as one box or as its gates.
class DecoderFrame : public ui::DiagramFrame {
    Q_OBJECT
  public:
    DecoderFrame(AddressDecoder& decoder, QWidget* parent);
    void refresh();

  signals:
    void changed();

  private:
    void buildLogicView();

    AddressDecoder& decoder_;
    std::array<ui::ValuePanel*, 2> inputPanels_{};
    std::array<ui::ValuePanel*, 4> outputPanels_{};
    ui::ValuePanel* plainView_;
    ui::DiagramFrame* logicView_;
    QCheckBox* seeLogicBox_;
    ui::TruthGrid* truthTable_;
};

} // namespace zeb::teaching::views
