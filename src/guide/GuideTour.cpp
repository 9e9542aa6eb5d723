#include "guide/GuideTour.h"

#include <array>

namespace zeb {

namespace {

constexpr std::array<GuidePage, 15> kTour = {{
    {"main-window.png", "ZEB's main window",
     "On the left are ZEB's 80 memory cells. Each cell has a high word, the instruction, and a "
     "low word, its operand. On the right are the keypad, the Run, Step and Stop buttons, the "
     "speed slider and ZEB's printer. This counting loop has just run: it printed 9 down to 1, "
     "and the Accumulator and Program Counter show where it stopped."},
    {"main-window-mnemonics.png", "Instructions as mnemonics",
     "Options > Dissassemble shows every instruction as a three-letter mnemonic, such as LDA or "
     "OUT, instead of its number. You can type mnemonics into the high words too."},
    {"clear-question.png", "Clearing memory",
     "The Clear button beside the keypad empties every memory cell. ZEB asks first, so Cancel "
     "still saves your program."},
    {"options-menu.png", "The Options menu",
     "Switch between decimal and hexadecimal, between numbers and mnemonics, and show the Status "
     "register, the Stack Pointer, the interrupt line and the Output window. Preferences are "
     "here too."},
    {"keyboard-window.png", "The Keyboard window",
     "A key pressed here while a program runs raises an interrupt, and the program can read the "
     "key's character code."},
    {"input-window.png", "The Input window",
     "The INP instruction waits here for a number. What you type goes into the Accumulator."},
    {"output-window.png", "The Output window",
     "Memory cells 69 to 78 shown as characters: a program writes text here by storing character "
     "codes."},
    {"preferences.png", "Preferences",
     "Choose the colour that marks whatever is acting, the font of the memory cells, and whether "
     "ZEB plays its sounds."},
    {"machine-view.png", "Inside the processor",
     "Views > Machine replays each instruction as seven clock cycles. The path a value takes "
     "lights up, the gateways on the Bus open and close, and the explanation says what happens."},
    {"clock-chart.png", "The clock chart",
     "Options > Show Clock in the Machine view: which gateways open in which of the seven cycles, "
     "with the current cycle marked."},
    {"logic-gates.png", "Logic gates",
     "Views > Logic Gates: the AND, OR and NOT gates, the half adder and the full adder. Click an "
     "input to change it; the output and the truth table follow."},
    {"logic-gates-flipflop.png", "The flip-flop",
     "A flip-flop remembers one bit. Set and Reset step through what happens inside it, one gate "
     "at a time."},
    {"memory-window.png", "Memory from flip-flops",
     "Views > Memory builds memory out of flip-flops. Here four of them hold the pattern 1010."},
    {"memory-decoder.png", "The address decoder",
     "Two address lines select exactly one of four output lines: this is how the computer picks "
     "one memory location from its address."},
    {"memory-addressed.png", "Reading from an address",
     "The decoder and the memory together: choose an address, and the data stored at that "
     "location appears on the output."},
}};

} // namespace

std::span<const GuidePage> GuideTour::pages() {
    return kTour;
}

void GuideTour::next() {
    if (canGoForward()) ++index_;
}

void GuideTour::back() {
    if (canGoBack()) --index_;
}

} // namespace zeb
