#pragma once
#include "core/MicroOps.h"
#include "machineview/StepScripts.h"

#include <optional>

namespace zeb::machineview {

// The step the view shows for a micro-operation of the instruction
// `executing` (the last one decoded), or nothing when the view shows none.
std::optional<Step> stepOf(const MicroOp& op, Opcode executing);

} // namespace zeb::machineview
