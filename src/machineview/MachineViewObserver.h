#pragma once
#include "machineview/MachineViewElements.h"

namespace zeb::machineview {

// Told of every change of what the Machine view shows; the window repaints
// from it and the clock-cycle trace writes its lines.
class MachineViewObserver {
  public:
    virtual ~MachineViewObserver() = default;
    virtual void fieldChanged(ViewField field) { (void)field; }
    virtual void gatewayChanged(Gateway gateway) { (void)gateway; }
    virtual void wireChanged(int wire) { (void)wire; }
    virtual void controlChanged(ViewControl control) { (void)control; }
    virtual void gridTextChanged(int row, int column) { (void)row, (void)column; }
    // Current row, selection or scroll position.
    virtual void gridSelectionChanged() {}
    virtual void clockChanged(int picture) { (void)picture; }
    // The Stack Pointer, its label, gateway and wires shown or hidden.
    virtual void stackPartsChanged(bool shown) { (void)shown; }
    // The clock chart shown or hidden, its caption or its marked column.
    virtual void clockChartChanged() {}
    // A step is about to wait for Continue or its fixed period.
    virtual void stepWaiting() {}
};

} // namespace zeb::machineview
