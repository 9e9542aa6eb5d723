#pragma once
#include "cli/Assignment.h"
#include "cli/RunOutcome.h"

#include <string>
#include <vector>

namespace zeb {

// The mark of one program in one case.
struct CaseResult {
    std::string program;
    std::string caseName;
    bool passed = false;
    long steps = 0;
    std::string reason; // empty when passed
};

// Runs programs through the cases of an assignment, each case as its own
// batch run from a fresh load, and judges what they printed and how they ended.
class Marker {
  public:
    explicit Marker(const Assignment& assignment) : assignment_(assignment) {}

    // One result per case, in the assignment's order.
    std::vector<CaseResult> mark(const std::string& program) const;

    // Why the run does not satisfy the case, in words a student understands;
    // empty when it does.
    static std::string failureReason(const AssignmentCase& expected, const RunOutcome& run);

  private:
    const Assignment& assignment_;
};

} // namespace zeb
