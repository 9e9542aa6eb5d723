#pragma once
#include "core/Devices.h"
#include "core/DisplayState.h"
#include "core/History.h"
#include "core/InputPad.h"
#include "core/Instructions.h"
#include "core/Machine.h"
#include "core/Mnemonics.h"
#include "core/Observers.h"
#include "core/Pacing.h"
#include "core/Preferences.h"
#include "core/RunControl.h"
#include "core/StackInterrupts.h"

namespace zeb {

// The whole machine core wired together around one host.
class Zeb {
  public:
    explicit Zeb(Host& host);
    Zeb(const Zeb&) = delete;
    Zeb& operator=(const Zeb&) = delete;

    Observers observers;
    Preferences preferences;
    Mnemonics mnemonics;
    DisplayState display{observers};
    Machine machine;
    Pacing pacing{machine};
    StackInterrupts stack{machine};
    Devices devices{machine};
    Instructions instructions{machine, pacing, stack, devices};
    History history{machine, stack};
    RunControl run{machine, pacing, instructions, stack, history};
    InputPad input;
};

} // namespace zeb
