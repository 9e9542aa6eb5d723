#pragma once
#include "core/Pacing.h"
#include "machineview/MachineViewState.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace zeb::machineview {

// The transfers of the diagram: each opens (true) or closes (false) its
// gateways, lights or darkens its wires and, on opening, copies the value that
// moves. Every gateway change and copy pauses at the run speed so the student
// sees the order of events.
class BitPaths {
  public:
    BitPaths(MachineViewState& view, Pacing& pacing, const Preferences& preferences)
        : view_(view), pacing_(pacing), preferences_(preferences) {}

    void ShowPCToMemDecoder(bool open);
    void ShowMemToIns(bool open);
    void ShowOperandToMemDecoder(bool open);
    void ShowMemToGen(bool open);
    void ShowGenToMemory(bool open);
    void ShowGenToMemDecoder(bool open);
    void SPToMemDecoder(bool open);
    void ShowPCToMemory(bool open);
    void ShowMemToPC(bool open);
    void ShowIncPC(bool open);
    void ShowIncSP(bool open);
    void ShowJMP(bool open);
    void ShowJMPIndirect(bool open);
    void ShowLDA(bool open, std::int32_t value);
    void ShowSTO(bool open);
    void ShowPathsAccGenALU(Colour colour);
    void ShowArithmetic(bool open, std::int32_t result);
    void ShowJmpNeg(bool open);
    void ShowJmpZero(bool open);

    // A field's text as a decimal number; nothing when it holds none.
    static std::optional<std::int32_t> FieldNumber(std::string_view text);

  private:
    struct Path {
        std::initializer_list<Gateway> gateways;
        std::optional<Field> from;
        std::optional<Field> to;
        std::initializer_list<int> wires;
        bool pauses = true;
    };
    void Show(const Path& path, bool open);
    void SetWires(std::initializer_list<int> wires, bool lit);
    void ShowConditionalJump(bool open, bool (*jumps)(std::int32_t));

    MachineViewState& view_;
    Pacing& pacing_;
    const Preferences& preferences_;
};

} // namespace zeb::machineview
