#include "core/Observers.h"

namespace zeb {

void Observers::tellCellText(int address, Half half) const {
    for (auto* o : list_)
        o->cellTextChanged(address, half);
}

void Observers::tellCellColour(int address) const {
    for (auto* o : list_)
        o->cellColourChanged(address);
}

void Observers::tellRegister(Register r) const {
    for (auto* o : list_)
        o->registerChanged(r);
}

void Observers::tellDisplay(DisplayItem item, int index) const {
    for (auto* o : list_)
        o->displayChanged(item, index);
}

} // namespace zeb
