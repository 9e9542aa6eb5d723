#pragma once
#include "cli/Marker.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace zeb {

// Writes marks as they come: one line each on the report, one row each in the
// optional CSV file, and a summary at the end.
class MarkReport {
  public:
    MarkReport(std::ostream& out, std::ostream* csv);

    void add(const CaseResult& result);
    void summary(std::size_t programs);
    bool allPassed() const { return failed_ == 0; }

    // One CSV field, quoted when it holds a comma, a quote or a line break,
    // and never read as a formula.
    static std::string csvField(std::string_view cell);

  private:
    std::ostream& out_;
    std::ostream* csv_;
    std::size_t passed_ = 0;
    std::size_t failed_ = 0;
};

} // namespace zeb
