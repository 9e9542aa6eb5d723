#pragma once
#include <cstdint>
#include <string>

namespace zeb {

// "Set wait interval": the Machine view's pause between steps, 0..60 s.
class IntervalWindow {
  public:
    explicit IntervalWindow(std::int32_t& waitInterval) : wait_(waitInterval) {}

    const std::string& LblInterval() const { return label_; }
    void Form_Activate() { Show(); }
    void Spin1_SpinDown();
    void Spin1_SpinUp();

  private:
    void Show() { label_ = std::to_string(wait_) + " seconds"; }

    std::int32_t& wait_;
    std::string label_;
};

} // namespace zeb
