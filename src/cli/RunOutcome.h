#pragma once
#include <string>
#include <vector>

namespace zeb {

// How a batch run ended; also zeb-run's exit status for a single run.
enum class RunEnd { Halt = 0, Error = 1, Load = 2, Limit = 3, Input = 4 };
// The exit status when the output, --save or --listing could not be written.
inline constexpr int kOutputFailed = 5;

// What a batch run came to, for callers that judge it rather than print it.
struct RunOutcome {
    RunEnd end = RunEnd::Halt;
    long steps = 0;
    // ZEB's printer lines, in order, as many as the caller asked to keep.
    std::vector<std::string> printed;
    long printedLines = 0;             // all of them
    std::vector<std::string> messages; // the texts of every message box, in order
};

} // namespace zeb
