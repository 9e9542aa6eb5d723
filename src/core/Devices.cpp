#include "core/Devices.h"

#include <cmath>

namespace zeb {

bool Devices::GetNum() {
    std::string text;
    while (text.empty()) {
        std::optional<std::string> entered = m_.host().MyInputBox();
        if (!entered) {
            m_.Running = false;
            return false;
        }
        text = std::move(*entered);
        if (text.empty()) {
            m_.Msg(Icon::Exclamation, Buttons::Ok, "ZEB", "You must input a number");
            continue;
        }
        const double v = std::nearbyint(LeadingNumber(text));
        std::int32_t value;
        if (v > 65535) {
            value = 65535;
            m_.ErrorMessage("Input causes overflow");
        } else if (v < 0) {
            value = 0;
            m_.ErrorMessage("Input causes underflow");
        } else {
            value = static_cast<std::int32_t>(v);
        }
        m_.ChangeAcc(value);
        m_.hooks().BitGetNum(value);
    }
    return true;
}

void Devices::PutNum() {
    if (m_.RunLogCount >= 100) m_.RunLogCount = 1;
    const std::string& acc = m_.Text(Register::Acc);
    m_.RunLog[static_cast<std::size_t>(m_.RunLogCount)] = "OUTPUT: " + acc;
    ++m_.RunLogCount;
    const std::int32_t value = InternalLongToVBLong(m_.GetNumber(acc));
    Out(PlainText(value));
    m_.hooks().BitPutNum();
}

void Devices::Out(const std::string& text) {
    DisplayState& d = m_.display();
    Host& h = m_.host();
    d.SetPrinting(true);
    h.DoEvents();
    for (int i = 4; i >= 2; --i) {
        h.DoEvents();
        d.SetPrinterLine(i, d.PrinterLine(i - 1));
        h.DoEvents();
    }
    d.SetPrinterLine(1, text);
    h.DoEvents();
    d.SetPrinting(false);
    h.DoEvents();
}

void Devices::FrmOutput_Activate() {
    m_.display().SetOutputText(m_.OutputDeviceText());
}

void Devices::MnuOutput_Click() {
    DisplayState& d = m_.display();
    const bool show = !d.get(Flag::OutputVisible);
    if (show) FrmOutput_Activate();
    d.set(Flag::OutputVisible, show);
    d.set(Flag::OutputChecked, show);
}

} // namespace zeb
