#include "core/Devices.h"

#include <cmath>

namespace zeb {

bool Devices::input() {
    std::string text;
    while (text.empty()) {
        std::optional<std::string> entered = m_.host().askNumber();
        if (!entered) {
            m_.stopRun();
            return false;
        }
        text = std::move(*entered);
        if (text.empty()) {
            m_.messageBox(Icon::Exclamation, Buttons::Ok, "ZEB", "You must input a number");
            continue;
        }
        const double v = std::nearbyint(leadingNumber(text));
        std::int32_t value;
        if (v > 65535) {
            value = 65535;
            m_.report("Input causes overflow");
        } else if (v < 0) {
            value = 0;
            m_.report("Input causes underflow");
        } else {
            value = static_cast<std::int32_t>(v);
        }
        m_.changeAcc(value);
        m_.hooks().onInput(value);
    }
    return true;
}

void Devices::output() {
    const std::string& acc = m_.registerText(Register::Acc);
    m_.runLog().append("OUTPUT: " + acc);
    const std::int32_t value = signedValue(m_.getNumber(acc).value_or(0));
    const std::string line = plainText(value);
    printLine(line);
    m_.announcer().printed(line);
    m_.hooks().onOutput();
}

void Devices::printLine(const std::string& text) {
    DisplayState& d = m_.display();
    Host& h = m_.host();
    d.setPrinting(true);
    h.processEvents();
    for (int i = 4; i >= 2; --i) {
        h.processEvents();
        d.setPrinterLine(i, d.printerLine(i - 1));
        h.processEvents();
    }
    d.setPrinterLine(1, text);
    h.processEvents();
    d.setPrinting(false);
    h.processEvents();
}

void Devices::refreshOutputDevice() {
    m_.display().setOutputText(m_.outputDeviceText());
}

void Devices::toggleOutputDevice() {
    DisplayState& d = m_.display();
    const bool show = !d.get(Flag::OutputVisible);
    if (show) refreshOutputDevice();
    d.set(Flag::OutputVisible, show);
    d.set(Flag::OutputChecked, show);
}

} // namespace zeb
