#pragma once
#include "cli/CliOptions.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zeb {

// zeb-run --check: marks every program named on the command line against the
// cases of an assignment file.
class CheckRun {
  public:
    CheckRun(const CliOptions& options, std::ostream& out, std::ostream& err);

    // Reads the assignment, marks, reports; returns the exit status: 0 all
    // passed, 1 any failed, 2 unusable arguments or a bad assignment.
    int execute();

    // The program files the arguments name: a file as given, a folder's files
    // ending in .ZEB or .zeb in name order. Nothing, with error set, when a
    // folder cannot be read or holds no such file.
    static std::optional<std::vector<std::string>>
    programList(const std::vector<std::string>& arguments, std::string& error);

  private:
    const CliOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
};

} // namespace zeb
