#pragma once
#include <string>

namespace zeb {

// The numeric input window read by INP: ten digits, delete and OK.
class InputWindow {
  public:
    static constexpr std::size_t kMaxDigits = 5;

    const std::string& PnlInput() const { return pnlInput_; }
    // Kept from the last OK: closing the window otherwise hands it back again.
    const std::string& EnteredText() const { return enteredText_; }

    // Each activation starts with an empty display.
    void Form_Activate() { pnlInput_.clear(); }
    void CmdNumber_Click(int digit);
    void Command3D1_Click();
    void Command1_Click() { enteredText_ = pnlInput_; }

  private:
    std::string pnlInput_;
    std::string enteredText_;
};

} // namespace zeb
