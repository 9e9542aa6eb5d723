#include "core/History.h"

namespace zeb {

namespace {
constexpr const char* kEnded = "Back: history cleared by the change";
} // namespace

History::History(Machine& machine, StackInterrupts& stack) : m_(machine), stack_(stack) {
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
        m_.observers().add(this);
    } else {
        m_.observers().remove(this);
    }
}

void History::follow() {
    for (int a = 0; a < kMemorySize; ++a) {
        const auto i = static_cast<std::size_t>(a);
        operator_[i] = m_.operatorText(a);
        operand_[i] = m_.operandText(a);
        operatorColour_[i] = m_.operatorColour(a);
        operandColour_[i] = m_.operandColour(a);
    }
    for (std::size_t r = 0; r < registers_.size(); ++r)
        registers_[r] = m_.registerText(static_cast<Register>(r));
    const DisplayState& d = m_.display();
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
    steps_.push_back({droppedChanges_ + changes_.size(), droppedChars_ + text_.size(),
                      stack_.latches(), m_.runLog().size(), m_.currentAddress()});
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

void History::nextInstruction(int code) {
    if (!open_) return;
    finishStep(code);
    openInstruction();
}

void History::finishStep(int code) {
    open_ = false;
    steps_.back().address = m_.currentAddress();
    steps_.back().code = code;
    dropOldest();
}

std::optional<History::Undone> History::back() {
    if (open_ || steps_.empty()) return std::nullopt;
    const Step step = steps_.back();
    steps_.pop_back();
    const auto first = static_cast<std::size_t>(step.firstChange - droppedChanges_);
    const auto firstChar = static_cast<std::size_t>(step.firstChar - droppedChars_);
    restoring_ = true;
    for (std::size_t i = changes_.size(); i > first; --i) {
        const Change& c = changes_[i - 1];
        std::string text;
        if (c.field != Field::OperatorColour && c.field != Field::OperandColour) {
            const auto begin = text_.begin() + static_cast<std::ptrdiff_t>(firstChar + c.value);
            text.assign(begin, begin + c.length);
        }
        undo(c, std::move(text));
    }
    restoring_ = false;
    changes_.resize(first);
    text_.resize(firstChar);
    stack_.restore(step.latches);
    m_.runLog().truncate(step.runLogSize);
    m_.setCurrentAddress(step.currentAddress);
    m_.clearError();
    updateBackEnabled();
    return Undone{step.address, step.code};
}

void History::undo(const Change& c, std::string text) {
    const int i = c.index;
    switch (c.field) {
    case Field::OperatorText:
        m_.setOperatorText(i, std::move(text));
        break;
    case Field::OperandText:
        m_.setOperandText(i, std::move(text));
        break;
    case Field::OperatorColour:
        m_.setFieldColour(i, Half::Operator, c.value);
        break;
    case Field::OperandColour:
        m_.setFieldColour(i, Half::Operand, c.value);
        break;
    case Field::RegisterText:
        m_.setRegisterText(static_cast<Register>(i), std::move(text));
        break;
    case Field::StatusText:
        m_.display().setStatusText(std::move(text));
        break;
    case Field::PrinterLine:
        m_.display().setPrinterLine(i, std::move(text));
        break;
    case Field::OutputText:
        m_.display().setOutputText(std::move(text));
        break;
    }
}

std::size_t History::bytes() const {
    return changes_.size() * sizeof(Change) + text_.size() + steps_.size() * sizeof(Step);
}

void History::clear() {
    steps_.clear();
    changes_.clear();
    text_.clear();
    droppedChanges_ = 0;
    droppedChars_ = 0;
    open_ = false;
    updateBackEnabled();
}

void History::dropOldest() {
    // The newest instruction stays whatever it cost.
    while (bytes() > budget_ && steps_.size() > 1) {
        steps_.pop_front();
        const Step& next = steps_.front();
        const auto changes = static_cast<std::size_t>(next.firstChange - droppedChanges_);
        const auto chars = static_cast<std::size_t>(next.firstChar - droppedChars_);
        changes_.erase(changes_.begin(), changes_.begin() + static_cast<std::ptrdiff_t>(changes));
        text_.erase(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(chars));
        droppedChanges_ = next.firstChange;
        droppedChars_ = next.firstChar;
    }
}

void History::updateBackEnabled() {
    m_.display().set(Flag::BackEnabled, !open_ && !steps_.empty());
}

void History::record(Field field, int index, std::uint32_t value, const std::string* text) {
    Change c{field, static_cast<std::uint8_t>(index), 0, value};
    if (text) {
        const auto firstChar = static_cast<std::size_t>(steps_.back().firstChar - droppedChars_);
        c.value = static_cast<std::uint32_t>(text_.size() - firstChar);
        c.length = static_cast<std::uint16_t>(text->size());
        text_.insert(text_.end(), text->begin(), text->end());
    }
    changes_.push_back(c);
}

void History::textChanged(Field field, int index, std::string& copy, const std::string& now) {
    if (copy == now) return;
    if (open_ && !restoring_) {
        record(field, index, 0, &copy);
    } else if (!restoring_ && !steps_.empty() && field != Field::StatusText &&
               field != Field::PrinterLine && field != Field::OutputText &&
               !(field == Field::RegisterText && index == static_cast<int>(Register::Interrupt))) {
        // A key raising the interrupt line between steps is input, not an edit.
        clear();
        m_.display().setStatusText(kEnded);
    }
    copy = now;
}

void History::colourChanged(Field field, int index, Colour& copy, Colour now) {
    if (copy == now) return;
    if (open_ && !restoring_) record(field, index, copy);
    copy = now;
}

void History::cellTextChanged(int address, Half half) {
    const auto i = static_cast<std::size_t>(address);
    if (half == Half::Operator)
        textChanged(Field::OperatorText, address, operator_[i], m_.operatorText(address));
    else
        textChanged(Field::OperandText, address, operand_[i], m_.operandText(address));
}

void History::cellColourChanged(int address) {
    const auto i = static_cast<std::size_t>(address);
    colourChanged(Field::OperatorColour, address, operatorColour_[i], m_.operatorColour(address));
    colourChanged(Field::OperandColour, address, operandColour_[i], m_.operandColour(address));
}

void History::registerChanged(Register reg) {
    const auto r = static_cast<std::size_t>(reg);
    textChanged(Field::RegisterText, static_cast<int>(r), registers_[r], m_.registerText(reg));
}

void History::displayChanged(DisplayItem item, int index) {
    const DisplayState& d = m_.display();
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
