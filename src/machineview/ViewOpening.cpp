#include "machineview/ViewOpening.h"

namespace zeb::machineview {

void prepareMachineForView(Machine& machine, BaseSwitch& bases, Assembler& assembler) {
    if (machine.view().base() == NumberBase::Hexadecimal) bases.changeBase(NumberBase::Decimal);
    (void)assembler.assembleAll();
}

} // namespace zeb::machineview
