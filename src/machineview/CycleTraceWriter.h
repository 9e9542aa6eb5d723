#pragma once
#include "machineview/MachineViewDisplay.h"

#include <iosfwd>
#include <string>

namespace zeb::machineview {

// Writes one line for every wait of the view: what the window shows at that
// moment, as 14 tab-separated fields (see traceLine).
class CycleTraceWriter : public MachineViewObserver {
  public:
    CycleTraceWriter(MachineViewDisplay& display, std::ostream& out);
    ~CycleTraceWriter() override;
    CycleTraceWriter(const CycleTraceWriter&) = delete;
    CycleTraceWriter& operator=(const CycleTraceWriter&) = delete;

    void stepWaiting() override;

    // "CYCLE", the clock caption, the status line, the Program Counter, the
    // decoder, the Instruction and Operand registers, the General Purpose
    // register, the Accumulator, the Stack Pointer (empty while hidden), the
    // open gateways by name, the lit wires by number, the memory table's
    // current row as row:operator:operand, and the explanation.
    static std::string traceLine(const MachineViewDisplay& display);

  private:
    MachineViewDisplay& display_;
    std::ostream& out_;
};

} // namespace zeb::machineview
