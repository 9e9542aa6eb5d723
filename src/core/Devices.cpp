#include "core/Devices.h"

#include <cmath>

namespace zeb {

bool Devices::input() {
    std::string text;
    while (text.empty()) {
        std::optional<std::string> entered = machine_.host().numbers().askNumber();
        if (!entered) {
            machine_.runState().stopRun();
            return false;
        }
        text = std::move(*entered);
        if (text.empty()) {
            machine_.messageBox(Icon::Exclamation, Buttons::Ok, "ZEB", "You must input a number");
            continue;
        }
        const double v = std::nearbyint(leadingNumber(text));
        std::int32_t value;
        if (v > 65535) {
            value = 65535;
            machine_.report("Input causes overflow");
        } else if (v < 0) {
            value = 0;
            machine_.report("Input causes underflow");
        } else {
            value = static_cast<std::int32_t>(v);
        }
        machine_.changeAcc(value);
        machine_.tell(transfer(Unit::InputDevice, Unit::Accumulator, value));
    }
    return true;
}

void Devices::output() {
    const std::string& acc = machine_.registerText(Register::Acc);
    machine_.runState().runLog().append("OUTPUT: " + acc);
    const std::int32_t value = signedValue(machine_.accOrZero());
    const std::string line = plainText(value);
    printLine(line);
    machine_.announcer().printed(line);
    machine_.tell(transfer(Unit::Accumulator, Unit::OutputDevice, value));
}

void Devices::printLine(const std::string& text) {
    DisplayState& d = machine_.display();
    Host& host = machine_.host();
    d.setPrinting(true);
    host.events().processEvents();
    for (int i = 4; i >= 2; --i) {
        host.events().processEvents();
        d.setPrinterLine(i, d.printerLine(i - 1));
        host.events().processEvents();
    }
    d.setPrinterLine(1, text);
    host.events().processEvents();
    d.setPrinting(false);
    host.events().processEvents();
}

void Devices::refreshOutputDevice() {
    machine_.display().setOutputText(machine_.outputDeviceText());
}

void Devices::toggleOutputDevice() {
    DisplayState& d = machine_.display();
    const bool show = !d.get(Flag::OutputVisible);
    if (show) refreshOutputDevice();
    d.set(Flag::OutputVisible, show);
    d.set(Flag::OutputChecked, show);
}

} // namespace zeb
