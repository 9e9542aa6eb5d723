#pragma once
#include "core/Devices.h"
#include "core/DisplayState.h"
#include "core/History.h"
#include "core/Host.h"
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

// The whole machine core wired together around the services of one host.
class Zeb {
  public:
    // `services` provides whichever of the host's interfaces it implements
    // (see Host::provide); the rest do nothing.
    template <class Services> explicit Zeb(Services& services) : Zeb() {
        static_assert(std::is_base_of_v<Messages, Services>, "someone must show the messages");
        host_.provide(services);
    }
    Zeb(const Zeb&) = delete;
    Zeb& operator=(const Zeb&) = delete;

    // Where a service that comes later (the guided demonstration's filter)
    // is provided.
    Host& host() { return host_; }

    Observers& observers() { return observers_; }
    Preferences& preferences() { return preferences_; }
    Mnemonics& mnemonics() { return mnemonics_; }
    const Mnemonics& mnemonics() const { return mnemonics_; }
    DisplayState& display() { return display_; }
    const DisplayState& display() const { return display_; }
    Machine& machine() { return machine_; }
    const Machine& machine() const { return machine_; }
    Pacing& pacing() { return pacing_; }
    StackInterrupts& stack() { return stack_; }
    const StackInterrupts& stack() const { return stack_; }
    Devices& devices() { return devices_; }
    Instructions& instructions() { return instructions_; }
    History& history() { return history_; }
    RunControl& run() { return run_; }
    InputPad& input() { return input_; }

  private:
    Zeb();

    Host host_;
    Observers observers_;
    Preferences preferences_;
    Mnemonics mnemonics_;
    DisplayState display_{observers_};
    Machine machine_;
    Pacing pacing_{machine_};
    StackInterrupts stack_{machine_};
    Devices devices_{machine_};
    Instructions instructions_{machine_, pacing_, stack_, devices_};
    History history_{machine_, stack_};
    RunControl run_{machine_, pacing_, instructions_, stack_, history_};
    InputPad input_;
};

} // namespace zeb
