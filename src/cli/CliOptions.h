#pragma once
#include <optional>
#include <string>
#include <vector>

namespace zeb {

// A key of the Keyboard window pressed during a given executed instruction.
struct KeyPress {
    long step = 0;
    int index = 0; // cmdKey index: 0..25 A-Z, 26 space, 27..36 digits
};

struct CliOptions {
    std::vector<std::string> inputs;
    bool statusRegister = false;
    bool keyboard = false;
    std::vector<KeyPress> keys;
    int base = 10;
    bool mnemonics = false;
    std::optional<int> speed;
    long maxSteps = 1'000'000;
    std::string save;
    std::string listing;
    std::string program;
    // A CYCLE line at every step of the Machine view, opened on the run.
    bool cycles = false;
    bool help = false;
};

// Parses the command line; on failure returns nothing and sets error.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kCliUsage;

} // namespace zeb
