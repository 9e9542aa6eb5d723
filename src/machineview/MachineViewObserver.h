#pragma once
#include "machineview/ViewElements.h"

namespace zeb::machineview {

// The Machine view window repaints what changed through this.
class MachineViewObserver {
  public:
    virtual ~MachineViewObserver() = default;
    virtual void fieldChanged(Field field) { (void)field; }
    virtual void gatewayChanged(Gateway gateway) { (void)gateway; }
    virtual void wireChanged(int line) { (void)line; }
    virtual void controlChanged(Control control) { (void)control; }
    virtual void gridTextChanged(int row, int column) { (void)row, (void)column; }
    // Current row, selection or scroll position.
    virtual void gridSelectionChanged() {}
    virtual void clockChanged(int picture) { (void)picture; }
    // The Stack Pointer, its label, gateway and wires shown or hidden.
    virtual void stackPartsChanged(bool shown) { (void)shown; }
};

} // namespace zeb::machineview
