#include "cli/Marker.h"

#include "cli/BatchRun.h"
#include "cli/TrimSpace.h"

#include <algorithm>
#include <ostream>

namespace zeb {

namespace {

// The first line of a message box, without the " - " that the error
// convention puts before an empty platform description.
std::string FirstLine(std::string_view message) {
    std::string_view line = trimSpace(message.substr(0, message.find_first_of("\r\n")));
    if (line.size() >= 2 && line.substr(line.size() - 2) == " -")
        line = trimSpace(line.substr(0, line.size() - 2));
    return std::string(line);
}

std::string Lines(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " line" : " lines");
}

std::string WrongEnd(const AssignmentCase& expected, const RunOutcome& run) {
    const std::string limit = std::to_string(expected.options.maxSteps) + " steps";
    switch (run.end) {
    case RunEnd::Error:
        if (run.messages.empty()) return "ended with an error";
        return "ended with error \"" + FirstLine(run.messages.back()) + "\"";
    case RunEnd::Limit:
        return "did not halt within " + limit;
    case RunEnd::Input:
        return "waited for more input";
    case RunEnd::Halt:
        if (expected.end == RunEnd::Error) return "halted instead of ending with an error";
        if (expected.end == RunEnd::Input) return "halted instead of waiting for more input";
        return "halted within " + limit + ", expected it to keep running";
    case RunEnd::Load:
        break;
    }
    return "could not be loaded";
}

} // namespace

std::vector<CaseResult> Marker::mark(const std::string& program) const {
    std::vector<CaseResult> results;
    std::ostream discard(nullptr); // the event lines are not wanted, only the outcome
    for (const AssignmentCase& c : assignment_.cases) {
        CliOptions options = c.options;
        options.program = program;
        BatchRun run(options, discard, discard);
        // One line beyond the expected ones is enough to tell they differ.
        run.keepPrinted(c.expected.size() + 1);
        run.execute();
        std::string reason = failureReason(c, run.Outcome());
        results.push_back({program, c.name, reason.empty(), run.Outcome().steps, reason});
    }
    return results;
}

std::string Marker::failureReason(const AssignmentCase& expected, const RunOutcome& run) {
    if (run.end == RunEnd::Load) {
        return "could not be loaded: " +
               (run.messages.empty() ? "the file could not be read" : FirstLine(run.messages[0]));
    }
    if (run.end != expected.end) return WrongEnd(expected, run);
    const std::size_t common = std::min(run.printed.size(), expected.expected.size());
    const auto printedLines = static_cast<std::size_t>(run.printedLines);
    for (std::size_t i = 0; i < common; ++i) {
        const std::string_view printed = trimSpace(run.printed[i]);
        const std::string_view wanted = trimSpace(expected.expected[i]);
        if (printed != wanted)
            return "line " + std::to_string(i + 1) + ": expected \"" + std::string(wanted) +
                   "\", printed \"" + std::string(printed) + "\"";
    }
    if (printedLines != expected.expected.size())
        return "printed " + Lines(printedLines) + ", expected " +
               std::to_string(expected.expected.size());
    return {};
}

} // namespace zeb
