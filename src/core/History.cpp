#include "core/History.h"

#include <cstring>

namespace zeb {

namespace {
constexpr const char* kEnded = "Back: history cleared by the change";
} // namespace

History::History(Machine& machine, StackInterrupts& stack) : machine_(machine), stack_(stack) {
    setRecording(true);
}

History::~History() {
    setRecording(false);
}

void History::setRecording(bool on) {
    if (on == recording_) return;
    recording_ = on;
    clear();
    if (on) {
        follow();
        machine_.observers().add(this);
    } else {
        machine_.observers().remove(this);
    }
}

void History::follow() {
    for (int a = 0; a < kMemorySize; ++a) {
        const auto i = static_cast<std::size_t>(a);
        operator_[i] = machine_.operatorText(a);
        operand_[i] = machine_.operandText(a);
        operatorColour_[i] = machine_.operatorColour(a);
        operandColour_[i] = machine_.operandColour(a);
    }
    for (std::size_t r = 0; r < registers_.size(); ++r)
        registers_[r] = machine_.registerText(static_cast<Register>(r));
    const DisplayState& d = machine_.display();
    statusText_ = d.statusText();
    for (std::size_t i = 1; i < printer_.size(); ++i)
        printer_[i] = d.printerLine(static_cast<int>(i));
    outputText_ = d.outputText();
}

void History::setBudget(std::size_t bytes) {
    budget_ = bytes;
    dropOldest();
}

void History::openInstruction() {
    if (!recording_) return;
    if (open_) finishStep(0);
    steps_.push_back({droppedChanges_ + changes_.size(), droppedLong_ + long_.size(),
                      stack_.latches(), machine_.runState().runLog().size(),
                      machine_.runState().currentAddress()});
    // Stays disabled from one instruction of a run to the next.
    if (!open_) {
        open_ = true;
        updateBackEnabled();
    }
}

void History::closeInstruction(int code) {
    if (!open_) return;
    finishStep(code);
    updateBackEnabled();
}

void History::finishAndOpen(int code) {
    finishStep(code);
    openInstruction();
}

void History::finishStep(int code) {
    open_ = false;
    steps_.back().address = machine_.runState().currentAddress();
    steps_.back().code = code;
    dropOldest();
}

std::optional<History::Undone> History::back() {
    if (open_ || steps_.empty()) return std::nullopt;
    const Step step = steps_.back();
    steps_.pop_back();
    const auto first = static_cast<std::size_t>(step.firstChange - droppedChanges_);
    restoring_ = true;
    for (std::size_t i = changes_.size(); i > first; --i) {
        undo(changes_[i - 1]);
    }
    restoring_ = false;
    changes_.resize(first);
    stack_.restore(step.latches);
    machine_.runState().runLog().truncate(step.runLogSize);
    machine_.runState().setCurrentAddress(step.currentAddress);
    machine_.runState().clearError();
    updateBackEnabled();
    return Undone{step.address, step.code};
}

void History::undo(const Change& c) {
    const int i = c.index;
    std::string text;
    Colour colour = 0;
    if (c.field == Field::OperatorColour || c.field == Field::OperandColour) {
        std::memcpy(&colour, c.text, sizeof colour);
    } else if (c.length == kLong) {
        text = std::move(long_.back());
        long_.pop_back();
    } else {
        text.assign(c.text, c.length);
    }
    switch (c.field) {
    case Field::OperatorText:
        machine_.setOperatorText(i, std::move(text));
        break;
    case Field::OperandText:
        machine_.setOperandText(i, std::move(text));
        break;
    case Field::OperatorColour:
        machine_.setFieldColour(i, Half::Operator, colour);
        break;
    case Field::OperandColour:
        machine_.setFieldColour(i, Half::Operand, colour);
        break;
    case Field::RegisterText:
        machine_.setRegisterText(static_cast<Register>(i), std::move(text));
        break;
    case Field::StatusText:
        machine_.display().setStatusText(std::move(text));
        break;
    case Field::PrinterLine:
        machine_.display().setPrinterLine(i, std::move(text));
        break;
    case Field::OutputText:
        machine_.display().setOutputText(std::move(text));
        break;
    }
}

std::size_t History::bytes() const {
    // A long text is counted at its length and a string's size.
    return changes_.size() * sizeof(Change) + longBytes_ + steps_.size() * sizeof(Step);
}

void History::clear() {
    steps_.clear();
    changes_.clear();
    long_.clear();
    longBytes_ = 0;
    droppedChanges_ = 0;
    droppedLong_ = 0;
    open_ = false;
    updateBackEnabled();
}

void History::dropOldest() {
    // The newest instruction stays whatever it cost.
    while (bytes() > budget_ && steps_.size() > 1) {
        steps_.pop_front();
        const Step& next = steps_.front();
        const auto changes = static_cast<std::size_t>(next.firstChange - droppedChanges_);
        const auto texts = static_cast<std::size_t>(next.firstLong - droppedLong_);
        changes_.erase(changes_.begin(), changes_.begin() + static_cast<std::ptrdiff_t>(changes));
        for (std::size_t i = 0; i < texts; ++i) {
            longBytes_ -= long_.front().size() + sizeof(std::string);
            long_.pop_front();
        }
        droppedChanges_ = next.firstChange;
        droppedLong_ = next.firstLong;
    }
}

void History::updateBackEnabled() {
    machine_.display().set(Flag::BackEnabled, !open_ && !steps_.empty());
}

void History::record(Field field, int index, std::string_view text) {
    Change& c = changes_.emplace_back();
    c.field = field;
    c.index = static_cast<std::uint8_t>(index);
    if (text.size() <= kInline) {
        c.length = static_cast<std::uint8_t>(text.size());
        std::memcpy(c.text, text.data(), text.size());
    } else {
        c.length = kLong;
        long_.emplace_back(text);
        longBytes_ += text.size() + sizeof(std::string);
    }
}

void History::textChanged(Field field, int index, std::string& copy, const std::string& now) {
    if (copy == now) return;
    if (open_ && !restoring_) {
        record(field, index, copy);
    } else if (!restoring_ && !steps_.empty() && field != Field::StatusText &&
               field != Field::PrinterLine && field != Field::OutputText &&
               !(field == Field::RegisterText && index == static_cast<int>(Register::Interrupt))) {
        // A key raising the interrupt line between steps is input, not an edit.
        clear();
        machine_.display().setStatusText(kEnded);
    }
    copy = now;
}

void History::colourChanged(Field field, int index, Colour& copy, Colour now) {
    if (copy == now) return;
    if (open_ && !restoring_) {
        char bytes[sizeof copy];
        std::memcpy(bytes, &copy, sizeof copy);
        record(field, index, std::string_view(bytes, sizeof bytes));
    }
    copy = now;
}

void History::cellTextChanged(int address, Half half) {
    const auto i = static_cast<std::size_t>(address);
    if (half == Half::Operator)
        textChanged(Field::OperatorText, address, operator_[i], machine_.operatorText(address));
    else
        textChanged(Field::OperandText, address, operand_[i], machine_.operandText(address));
}

void History::cellColourChanged(int address) {
    const auto i = static_cast<std::size_t>(address);
    colourChanged(Field::OperatorColour, address, operatorColour_[i],
                  machine_.operatorColour(address));
    colourChanged(Field::OperandColour, address, operandColour_[i],
                  machine_.operandColour(address));
}

void History::registerChanged(Register reg) {
    const auto r = static_cast<std::size_t>(reg);
    textChanged(Field::RegisterText, static_cast<int>(r), registers_[r],
                machine_.registerText(reg));
}

void History::displayChanged(DisplayItem item, int index) {
    const DisplayState& d = machine_.display();
    switch (item) {
    case DisplayItem::StatusText:
        textChanged(Field::StatusText, 0, statusText_, d.statusText());
        break;
    case DisplayItem::PrinterLine:
        textChanged(Field::PrinterLine, index, printer_[static_cast<std::size_t>(index)],
                    d.printerLine(index));
        break;
    case DisplayItem::OutputText:
        textChanged(Field::OutputText, 0, outputText_, d.outputText());
        break;
    case DisplayItem::Flag:
    case DisplayItem::PrinterIcon:
    case DisplayItem::NumberBase:
    case DisplayItem::Pointer:
        break;
    }
}

} // namespace zeb
