#include "machineview/CycleTrace.h"

#include "machineview/ViewOpening.h"

namespace zeb::machineview {

CycleTrace::CycleTrace(Zeb& zeb, BaseSwitch& bases, Assembler& assembler, std::ostream& out)
    : model_(zeb), writer_(model_.display(), out) {
    openMachineView(model_, bases, assembler);
    model_.display().setWaitForContinue(false);
    zeb.machine.setWaitInterval(0);
}

} // namespace zeb::machineview
