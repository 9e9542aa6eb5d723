#pragma once
#include "core/MachineObserver.h"

#include <algorithm>
#include <vector>

namespace zeb {

// The views that follow the machine; notifications cost a test without any.
class Observers {
  public:
    void add(MachineObserver* observer) { list_.push_back(observer); }
    void remove(MachineObserver* observer) {
        list_.erase(std::remove(list_.begin(), list_.end(), observer), list_.end());
    }

    bool none() const { return list_.empty(); }

    // A test inline, the calls out of line: the run loop tells a few times
    // an instruction, and callers without observers keep no loop state.
    void cellText(int address, Half half) const {
        if (!list_.empty()) tellCellText(address, half);
    }
    void cellColour(int address) const {
        if (!list_.empty()) tellCellColour(address);
    }
    void reg(Register r) const {
        if (!list_.empty()) tellRegister(r);
    }
    void display(DisplayItem item, int index = 0) const {
        if (!list_.empty()) tellDisplay(item, index);
    }

  private:
    void tellCellText(int address, Half half) const;
    void tellCellColour(int address) const;
    void tellRegister(Register r) const;
    void tellDisplay(DisplayItem item, int index) const;

    std::vector<MachineObserver*> list_;
};

} // namespace zeb
