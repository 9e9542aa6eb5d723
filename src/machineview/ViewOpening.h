#pragma once
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "machineview/MachineViewModel.h"

namespace zeb::machineview {

// The machine made ready for the view and the view opened: the main display
// switched to decimal so that every text the view copies is decimal, every
// cell assembled to its instruction code, then the view's own opening.
void openMachineView(MachineViewModel& model, BaseSwitch& bases, Assembler& assembler);

} // namespace zeb::machineview
