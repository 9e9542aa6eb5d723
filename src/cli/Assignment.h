#pragma once
#include "cli/CliOptions.h"
#include "cli/RunOutcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// One test case of an exercise: the options and inputs of its run, the lines
// the program must print and how the run must end.
struct AssignmentCase {
    std::string name;
    CliOptions options; // everything but the program
    std::vector<std::string> expected;
    RunEnd end = RunEnd::Halt;
};

// A teacher's exercise: its title and its cases, in the order written.
struct Assignment {
    std::string title;
    std::vector<AssignmentCase> cases;
};

// Reads the text of an assignment file. On bad lines returns nothing and
// appends one "FILE:LINE: message" per fault to errors.
std::optional<Assignment> parseAssignment(std::string_view text, const std::string& fileName,
                                          std::vector<std::string>& errors);

} // namespace zeb
