#pragma once

namespace zeb {

enum class Icon { None, Exclamation, Information, Question, Critical };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

// The machine's windows that run control and the devices care about.
enum class Window { Keyboard, Output, Demo };

// The two halves of a memory cell.
enum class Half { Operator, Operand };

// The base every number of the display is written in; a byte, so a field's
// number and what it knows about it fit in one word.
enum class NumberBase : unsigned char { Decimal = 10, Hexadecimal = 16 };
constexpr int radix(NumberBase base) {
    return static_cast<int>(base);
}

// Whether the Machine view shows the clock cycles of every instruction.
enum class ViewMode { Normal, MachineView };

// Register fields of the main window.
enum class Register { Acc, PC, SP, Status, Interrupt };

} // namespace zeb
