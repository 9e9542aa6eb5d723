#pragma once
#include "core/MachineObserver.h"

#include <algorithm>
#include <vector>

namespace zeb {

// The views that follow the machine; notifications cost nothing without any.
class Observers {
  public:
    void add(MachineObserver* observer) { list_.push_back(observer); }
    void remove(MachineObserver* observer) {
        list_.erase(std::remove(list_.begin(), list_.end(), observer), list_.end());
    }

    void cellText(int address, Half half) const {
        for (auto* o : list_)
            o->cellTextChanged(address, half);
    }
    void cellColour(int address) const {
        for (auto* o : list_)
            o->cellColourChanged(address);
    }
    void reg(Register r) const {
        for (auto* o : list_)
            o->registerChanged(r);
    }
    void display(DisplayItem item, int index = 0) const {
        for (auto* o : list_)
            o->displayChanged(item, index);
    }

  private:
    std::vector<MachineObserver*> list_;
};

} // namespace zeb
