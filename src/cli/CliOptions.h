#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// The most instructions one run may execute: a class of programs that never
// halt is still marked in bounded time.
inline constexpr long kMaxStepsCeiling = 10'000'000;

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
    // Back's self-check: run up to this many instructions, then undo them all.
    std::optional<long> backCheck;
    bool help = false;
    bool version = false;
    bool check = false;
    // Marking: the assignment file, the programs or folders and the CSV file.
    std::string assignment;
    std::vector<std::string> programs;
    std::string csv;
};

// Parses the command line; on failure returns nothing and sets error.
std::optional<CliOptions> parseCliOptions(const std::vector<std::string>& args, std::string& error);

// The settings of one run that an assignment file gives as directives of the
// same names: flags take no value, the others exactly one.
enum class RunSetting { Unknown, Flag, WithValue };
RunSetting runSettingKind(std::string_view name);

// Applies the run setting `name` (without the leading dashes); on a bad value
// returns false and sets error to what the setting takes, e.g.
// "takes 10 or 16: 8".
bool applyRunSetting(CliOptions& options, std::string_view name, const std::string& value,
                     std::string& error);

extern const char* const kCliUsage;

} // namespace zeb
