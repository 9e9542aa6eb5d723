#pragma once
#include "core/Types.h"

namespace zeb {

enum class DisplayItem {
    Flag,        // a visibility, check mark or enabled state
    StatusText,  // PnlStatus
    PrinterLine, // one of lineicons 1..4 (index given)
    PrinterIcon, // printicon's picture: printing or at rest
    OutputText,  // PnlOutput
    NumberBase,  // keypad faces and address labels
    Pointer,     // busy or normal mouse pointer
};

// A view follows every change of a field text or colour through this.
class MachineObserver {
  public:
    virtual ~MachineObserver() = default;
    virtual void cellTextChanged(int address, Half half) { (void)address, (void)half; }
    virtual void cellColourChanged(int address) { (void)address; }
    virtual void registerChanged(Register reg) { (void)reg; }
    virtual void displayChanged(DisplayItem item, int index) { (void)item, (void)index; }
};

} // namespace zeb
