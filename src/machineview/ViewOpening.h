#pragma once
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"

namespace zeb::machineview {

// The machine made ready for the Machine view: the main display switched to
// decimal, so that every text the view copies is decimal, and every cell
// assembled to its instruction code.
void prepareMachineForView(Machine& machine, BaseSwitch& bases, Assembler& assembler);

} // namespace zeb::machineview
