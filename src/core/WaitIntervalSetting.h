#pragma once
#include "core/Machine.h"

#include <cstdint>
#include <string>

namespace zeb {

// "Set wait interval": the Machine view's pause between steps, 0..60 s.
class WaitIntervalSetting {
  public:
    explicit WaitIntervalSetting(Machine& machine) : machine_(machine) {}

    const std::string& label() const { return label_; }
    void refresh() { show(); }
    void decrease();
    void increase();

  private:
    void show() { label_ = std::to_string(machine_.view().waitInterval()) + " seconds"; }

    Machine& machine_;
    std::string label_;
};

} // namespace zeb
