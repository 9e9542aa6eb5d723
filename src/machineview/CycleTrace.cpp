#include "machineview/CycleTrace.h"

#include "machineview/ViewOpening.h"

namespace zeb::machineview {

CycleTrace::CycleTrace(Zeb& zeb, BaseSwitch& bases, Assembler& assembler, std::ostream& out)
    : model_(zeb), writer_(model_.display(), out) {
    prepareMachineForView(zeb.machine(), bases, assembler);
    model_.open();
    model_.display().setWaitForContinue(false);
    zeb.machine().view().setWaitInterval(0);
}

} // namespace zeb::machineview
