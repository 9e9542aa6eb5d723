#include "demo/DemonstrationScript.h"

#include <array>
#include <stdexcept>

namespace zeb {

namespace {

// An entry that only Next leaves.
constexpr std::optional<Command> kNext;

struct ScriptRow {
    std::optional<Command> command;
    int target;
    bool nextEnabled;
    std::string_view helpTopic;
    // Adjacent pieces join with nothing between them; "\r\n" is a line break.
    // The trailer is added when the table is filled.
    std::string_view message;
};

// The whole demonstration: the click that advances each entry, whether Next
// is enabled, the Help button's keyword and the message. Kept in the pieces
// the messages were written in, so keep clang-format from re-flowing them.
// clang-format off
constexpr std::array<ScriptRow, 32> kScript = {{
    // 1
    {kNext, 0, true, "Contents",
     "Please note that you may need to use the scroll bar on the right to see all of a message."
     "\r\n"
     "You may resize and reposition this window. "
     "\r\n"
     "The last line of each message is as shown below."
     "\r\n"
     "Click on Next now to see the next message."},
    // 2
    {kNext, 0, true, "Contents",
     "If you haven't already done so, you should view Help and review the sections on ZEB's Components, ZEB's Architecture and ZEB's Instruction Set. "
     " In particular you must be familiar with the topic 'Memory Store' which can be found by clicking on the green text marked 'Memory store' in the ZEB's Architecture section. "
     " If you want to view the Help file now, click on the Help button below. "
     " If you want to go straight into the demonstration, click on the Next button below."},
    // 3
    {Command::ClearMemory, 0, false, "Clearing memory",
     "As a precaution we will clear the current memory contents. "
     "Click on Clear (located on the keypad) now, click on OK when the warning appears.."},
    // 4
    {Command::SelectOperator, 0, false, "memory store",
     "This example will program a simple loop running from some number down to 0, outputting each number. "
     "This program can be represented by the unstructured pseudo code:"
     "\r\n"
     "\r\n"
     "    begin"
     "\r\n"
     "    label:"
     "\r\n"
     "        if X > 0 then"
     "\r\n"
     "            output X"
     "\r\n"
     "            X = X - 1"
     "\r\n"
     "            goto label"
     "\r\n"
     "        endif"
     "\r\n"
     "    end"
     "\r\n"
     "\r\n"
     "To enter this program do the following:"
     "\r\n"
     "Click on high word of address 0 now, this is where we are going to place "
     "the first instruction."},
    // 5
    {Command::PressKey, 1, false, "instruction set",
     "We start by loading the accumulator with the value that the loop is going "
     "to run from. So our first instruction will by LOAD. "
     "Click on on keypad 1 (LOAD), which is the load accumulator instruction. "
     "When this is executed it will load the accumulator with a value "
     "which is obtained from the memory location given as the operand. "},
    // 6
    {Command::SelectOperand, 0, false, "memory store",
     "We now need to provide the operand for the LOAD instruction. "
     "Click on the low word of address 0 now."},
    // 7
    {Command::PressKey, 11, false, "memory store",
     "We will store the starting value for the loop at location 11."
     " Therefore the operand for the LOAD instruction is 11."
     " Click on keypad 11 now."},
    // 8
    {Command::SelectOperand, 11, false, "memory store",
     "We'll supply the starting value for the loop now, this has to"
     " be stored at location 11. "
     " Click on the LOW word of location 11 now."},
    // 9
    {Command::PressKey, 9, false, "memory store",
     "Our loop will run from the value 9.  Click on 9 on the keypad now."},
    // 10
    {Command::SelectOperator, 1, false, "memory store",
     "Now click on the high word of memory location 1 in order to put the next "
     "instruction into this address."},
    // 11
    {Command::PressKey, 9, false, "instruction set",
     "Click on instruction 9 on the keypad (JU=0), this is the 'jump if accumulator = zero' instruction. "
     "This will cause a jump to the address in the operand if the accumulator is zero.  "
     "We use this to exit our loop.  If the accumulator is anything other than zero, "
     "execution will continue at the next address."},
    // 12
    {Command::SelectOperand, 1, false, "memory store",
     "Now we need to click on the operand location for the JU=0 instruction in order "
     "to give it the address to jump to. Click on the low word at address 1."},
    // 13
    {Command::PressKey, 10, false, "instruction set",
     "We need to input the address that the jump is to go to when the accumulator is zero. "
     "We will make this address 10, and a little later we will put the HALT "
     "instruction at this address.  Click 10 on the keypad."},
    // 14
    {Command::SelectOperator, 2, false, "memory store",
     "Now click on the high word of memory location 2 in order to put the next "
     "instruction into this address."},
    // 15
    {Command::PressKey, 12, false, "instruction set",
     "We want to put the OUT instruction into this address. "
     "When executed this will cause the contents of the accumulator "
     "to be output to the printer icon on the lower right of ZEB's screen.  "
     "Click on keypad number 12 (OUT)."},
    // 16
    {Command::SelectOperator, 3, false, "memory store",
     "The OUT instruction does not need an operand, so we move "
     " straight on to the next instruction."
     " So click on the high word of memory location 3 in order to put the next "
     "instruction into this address."},
    // 17
    {Command::PressKey, 4, false, "instruction set",
     "Now we need an instruction which when executed will subtract 1 from the value "
     "currently held in the accumulator. "
     "The instruction number 4 (ACC-) will subtract the number stored "
     "in the location given as its operand from the value stored in the accumulator. "
     "Click on the keypad number 4 (ACC-). "},
    // 18
    {Command::SelectOperand, 3, false, "memory store",
     "Now we need to enter the operand for the ACC- instruction. "
     " Click on the low word at location 3."},
    // 19
    {Command::PressKey, 12, false, "instruction set",
     "The number we are going to subtract from the accumulator is going to be placed at location 12. "
     "Click on the keypad number 12."},
    // 20
    {Command::SelectOperator, 4, false, "memory store",
     "Now click on the high word of memory location 4 in order to put the next "
     "instruction into this address."},
    // 21
    {Command::PressKey, 7, false, "instruction set",
     "Now we need to complete our loop by making the program return to the JU=0 instruction at location 1. "
     "We use the unconditional jump instruction, 7, for this.  This will always transfer control "
     " to the address given as its operand. "
     "Click on keypad number 7 (JUMP)."},
    // 22
    {Command::SelectOperand, 4, false, "memory store",
     "Now click on the low word of memory location 4 in order to put the operand "
     "for the JUMP instruction into this address."},
    // 23
    {Command::PressKey, 1, false, "instruction set",
     "We want our program to go back to address 1.  So this is the value for the operand."
     " Click on the keypad number 1."},
    // 24
    {Command::SelectOperator, 10, false, "memory store",
     "Remember that the program jumps to location 10 when the accumulator is zero. "
     "This is where we want our program to stop.  So we need to put the HALT "
     "instruction at the highword of address 10.  Click on the high word of address 10."},
    // 25
    {Command::PressKey, 0, false, "instruction set",
     "We want the HALT instruction at this address.  Click keypad 0."},
    // 26
    {Command::SelectOperand, 12, false, "memory store",
     "Finally, we need to supply the number (1 in this case) that we are subtracting "
     "from the accumulator each time we go round the loop. "
     " This number needs to be stored at location 12.  So click the LOW word at location 12."},
    // 27
    {Command::PressKey, 1, false, "instruction set",
     "We need to provide the value that is being subtracted, this is 1.  Click 1 on the keypad."},
    // 28
    {Command::Run, 0, false, "running",
     "Your program is now ready to run. Click on the Run button. "
     "Then sit back and watch your program execute."},
    // 29
    {kNext, 0, true, "running",
     "Your program will now be running. Note how the flow of control is explicitly represented. "
     "\r\n"
     " We can see the contents of the registers at all times during execution. "
     "\r\n"
     "\r\n"
     "Press Next when your program has finished executing. "},
    // 30
    {Command::ResetProgramCounter, 0, false, "resetting program counter",
     "To see ZEB's machine execute this program, first reset the program "
     "counter by clicking on PC, do this now. "},
    // 31
    {kNext, 0, true, "machine simulator",
     "To run ZEB's machine you will need to select Machine from the Views menu. "
     "Use the Run and Continue buttons on the Machine screen to run your program. "
     " For more information see the Help file. "
     "\r\n"
     "Please feel free to experiment with ZEB by modifying your program and writing new ones. "
     " Click on Next."},
    // 32
    {kNext, 0, false, "machine simulator",
     "Thank you for taking the time to look at ZEB.  We are sure that you will find "
     "it useful in teaching the fundamental concepts of computing as painlessly as possible."
     "\r\n"
     "\r\n"
     " Remove this screen by clicking on Cancel now, or press Help to see"
     " help on running ZEB's machine."},
}};
// clang-format on

} // namespace

void DemonstrationScript::add(DemoEntry entry) {
    // Index 0 is never used, so the table is full once it reaches kLastIndex.
    if (static_cast<int>(entries_.size()) > kLastIndex)
        throw std::out_of_range("demonstration script: no room for another entry");
    entries_.push_back(std::move(entry));
}

void DemonstrationScript::build() {
    entries_.assign(1, DemoEntry{});
    for (const ScriptRow& row : kScript)
        add({row.command ? std::optional<UserCommand>(UserCommand{*row.command, row.target})
                         : std::nullopt,
             std::string(row.message) + std::string(kTrailer), row.nextEnabled,
             std::string(row.helpTopic)});
}

const DemoEntry& DemonstrationScript::entry(int index) const {
    if (index < 1 || index > lastEntry())
        throw std::out_of_range("demonstration script: no entry " + std::to_string(index));
    return entries_[static_cast<std::size_t>(index)];
}

} // namespace zeb
