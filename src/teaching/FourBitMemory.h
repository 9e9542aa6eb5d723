#pragma once
#include <array>

namespace zeb::teaching {

// A register of four controlled flip-flops sharing one Control: the inputs
// are written into the flip-flops while Control is 1, and held otherwise.
class FourBitMemory {
  public:
    bool input(int index) const { return inputs_.at(index); }
    bool control() const { return control_; }
    // What flip-flop `index` holds; the memory's outputs show the same.
    bool stored(int index) const { return stored_.at(index); }

    void toggleInput(int index);
    void toggleControl();
    // Copies the inputs into the flip-flops if Control is 1.
    void storeInputs();

  private:
    std::array<bool, 4> inputs_{};
    std::array<bool, 4> stored_{};
    bool control_ = false;
};

} // namespace zeb::teaching
