#pragma once
#include "core/Machine.h"
#include "core/StackInterrupts.h"

#include <string>
#include <vector>

namespace zeb {

// Everything an instruction can change, taken at one moment, so two moments
// can be compared field by field (Back's self-check and its tests). The
// status bar is left out: it tells what was done, Back included.
struct MachineSnapshot {
    std::vector<std::string> cellTexts;
    std::vector<Colour> cellColours;
    std::vector<std::string> registers;
    std::vector<std::string> printerLines;
    std::string outputText;
    std::vector<std::string> runLog;
    int keyCode = 0;
    std::int32_t savedPC = 0;
    std::int32_t savedAcc = 0;
    int currentAddress = 0;

    static MachineSnapshot of(const Machine& machine, const StackInterrupts& stack);
    bool operator==(const MachineSnapshot&) const = default;
    // The name of the first field that differs from the other's, or empty.
    std::string difference(const MachineSnapshot& other) const;
};

} // namespace zeb
