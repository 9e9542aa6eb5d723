#include "machineview/ViewOpening.h"

namespace zeb::machineview {

void openMachineView(MachineViewModel& model, BaseSwitch& bases, Assembler& assembler) {
    if (model.zeb().machine.base() == NumberBase::Hexadecimal)
        bases.changeBase(NumberBase::Decimal);
    (void)assembler.assembleAll();
    model.open();
}

} // namespace zeb::machineview
