#pragma once
#include "core/Machine.h"

namespace zeb {

// INP and OUT with the printer strip and the output device window.
class Devices {
  public:
    explicit Devices(Machine& machine) : machine_(machine) {}

    // INP; false when the program is ending while the input window waits.
    bool input();
    // OUT.
    void output();
    // One line onto the printer strip, scrolling the older ones up.
    void printLine(const std::string& text);
    // A click on the printer picture feeds the paper by one empty line.
    void feedPaper() { printLine({}); }

    // The output device window rebuilds its text whenever it is activated.
    void refreshOutputDevice();
    // "Display &Output Device".
    void toggleOutputDevice();

  private:
    Machine& machine_;
};

} // namespace zeb
