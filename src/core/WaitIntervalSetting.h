#pragma once
#include "core/Machine.h"

#include <cstdint>
#include <string>

namespace zeb {

// "Set wait interval": the Machine view's pause between steps, 0..60 s.
class WaitIntervalSetting {
  public:
    explicit WaitIntervalSetting(Machine& machine) : m_(machine) {}

    const std::string& label() const { return label_; }
    void refresh() { show(); }
    void decrease();
    void increase();

  private:
    void show() { label_ = std::to_string(m_.waitInterval()) + " seconds"; }

    Machine& m_;
    std::string label_;
};

} // namespace zeb
