#pragma once
#include <cstdint>
#include <string>

namespace zeb {

// "Set wait interval": the Machine view's pause between steps, 0..60 s.
class WaitIntervalSetting {
  public:
    explicit WaitIntervalSetting(std::int32_t& waitInterval) : wait_(waitInterval) {}

    const std::string& label() const { return label_; }
    void refresh() { show(); }
    void decrease();
    void increase();

  private:
    void show() { label_ = std::to_string(wait_) + " seconds"; }

    std::int32_t& wait_;
    std::string label_;
};

} // namespace zeb
