#pragma once

namespace zeb {

// What the student asks of the machine with a click or a key, whatever
// window it came from. The guided demonstration lets only the one its
// current step waits for act.
enum class Command {
    Run,
    Step,
    Stop,
    Back,
    ResetProgramCounter,
    ClearMemory,
    SelectOperator,
    SelectOperand,
    PressKey,
};

// A command and what it acts on: the address of a selected memory half, the
// keypad key pressed, 0 for the rest.
struct UserCommand {
    Command command;
    int target = 0;
    bool operator==(const UserCommand&) const = default;
};

} // namespace zeb
