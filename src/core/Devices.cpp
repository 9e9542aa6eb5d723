#include "core/Devices.h"

#include <cmath>

namespace zeb {

bool Devices::input() {
    std::string text;
    while (text.empty()) {
        std::optional<std::string> entered = m_.host().askNumber();
        if (!entered) {
            m_.Running = false;
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
    if (m_.RunLogCount >= 100) m_.RunLogCount = 1;
    const std::string& acc = m_.registerText(Register::Acc);
    m_.RunLog[static_cast<std::size_t>(m_.RunLogCount)] = "OUTPUT: " + acc;
    ++m_.RunLogCount;
    const std::int32_t value = signedValue(m_.getNumber(acc));
    printLine(plainText(value));
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
