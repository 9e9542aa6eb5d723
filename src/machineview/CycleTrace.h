#pragma once
#include "machineview/CycleTraceWriter.h"
#include "machineview/MachineViewModel.h"

#include <iosfwd>

namespace zeb {
class Assembler;
class BaseSwitch;
} // namespace zeb

namespace zeb::machineview {

// The clock-cycle trace of a batch run: the Machine view opened on the
// machine as its window opens it, stepping without waits (no Continue, no
// fixed period), with a line written at every wait. The Keyboard window keeps
// its state, so that interrupt programs can be traced.
class CycleTrace {
  public:
    CycleTrace(Zeb& zeb, BaseSwitch& bases, Assembler& assembler, std::ostream& out);

  private:
    MachineViewModel model_;
    CycleTraceWriter writer_;
};

} // namespace zeb::machineview
