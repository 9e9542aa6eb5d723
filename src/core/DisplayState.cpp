#include "core/DisplayState.h"

namespace zeb {

DisplayState::DisplayState(Observers& observers) : observers_(observers) {
    flags_[static_cast<std::size_t>(Flag::MenusEnabled)] = true;
}

void DisplayState::set(Flag flag, bool on) {
    auto& slot = flags_[static_cast<std::size_t>(flag)];
    if (slot == on) return;
    slot = on;
    observers_.display(DisplayItem::Flag, static_cast<int>(flag));
}

void DisplayState::setStatusText(std::string text) {
    if (statusText_ == text) return;
    statusText_ = std::move(text);
    observers_.display(DisplayItem::StatusText);
}

void DisplayState::setPrinterLine(int index, std::string text) {
    printer_[static_cast<std::size_t>(index)] = std::move(text);
    observers_.display(DisplayItem::PrinterLine, index);
}

void DisplayState::clearPrinterStrip() {
    for (int i = 1; i <= 4; ++i)
        setPrinterLine(i, {});
}

void DisplayState::setPrinting(bool printing) {
    printing_ = printing;
    observers_.display(DisplayItem::PrinterIcon);
}

void DisplayState::setOutputText(std::string text) {
    outputText_ = std::move(text);
    observers_.display(DisplayItem::OutputText);
}

void DisplayState::setKeypadBase(int base) {
    keypadBase_ = base;
    observers_.display(DisplayItem::NumberBase);
}

void DisplayState::setLabelBase(int base) {
    labelBase_ = base;
    observers_.display(DisplayItem::NumberBase);
}

void DisplayState::setBusy(bool on) {
    const bool was = busy_ > 0;
    busy_ += on ? 1 : -1;
    if (busy_ < 0) busy_ = 0;
    if (was != (busy_ > 0)) observers_.display(DisplayItem::Pointer);
}

} // namespace zeb
