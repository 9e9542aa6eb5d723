#pragma once

namespace zeb {

enum class Icon { None, Exclamation, Information, Question, Critical };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

// The machine's windows that run control and the devices care about.
enum class Window { Keyboard, Output, Demo };

// The two halves of a memory cell.
enum class Half { Operator, Operand };

// Register fields of the main window.
enum class Register { Acc, PC, SP, Status, Interrupt };

} // namespace zeb
