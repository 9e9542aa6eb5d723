#pragma once
#include <string>

namespace zeb {

// The numeric input window read by INP: ten digits, delete and OK.
class InputPad {
  public:
    static constexpr std::size_t kMaxDigits = 5;

    const std::string& display() const { return display_; }
    // Kept from the last OK: closing the window otherwise hands it back again.
    const std::string& enteredText() const { return enteredText_; }

    // Each activation starts with an empty display.
    void startEntry() { display_.clear(); }
    void pressDigit(int digit);
    void deleteLastDigit();
    void accept() { enteredText_ = display_; }

  private:
    std::string display_;
    std::string enteredText_;
};

} // namespace zeb
