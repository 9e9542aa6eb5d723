#include "cli/MarkReport.h"

#include "cli/EscapedText.h"

#include <ostream>

namespace zeb {

namespace {

// Spreadsheets expect CSV rows to end with CR LF.
constexpr const char* kCsvLineEnd = "\r\n";

} // namespace

MarkReport::MarkReport(std::ostream& out, std::ostream* csv) : out_(out), csv_(csv) {
    if (csv_) *csv_ << "program,case,result,steps,reason" << kCsvLineEnd;
}

void MarkReport::add(const CaseResult& r) {
    const char* result = r.passed ? "PASS" : "FAIL";
    ++(r.passed ? passed_ : failed_);
    // Names and reasons come from students' files: one line each, whatever they hold.
    out_ << result << ' ' << escapedText(r.program) << ' ' << escapedText(r.caseName)
         << " STEPS=" << r.steps;
    if (!r.passed) out_ << ' ' << escapedText(r.reason);
    out_ << '\n';
    if (csv_) {
        *csv_ << csvField(r.program) << ',' << csvField(r.caseName) << ',' << result << ','
              << r.steps << ',' << csvField(r.reason) << kCsvLineEnd;
    }
}

void MarkReport::summary(std::size_t programs) {
    out_ << "SUMMARY programs=" << programs << " cases=" << passed_ + failed_
         << " passed=" << passed_ << " failed=" << failed_ << '\n';
}

std::string MarkReport::csvField(std::string_view cell) {
    // A spreadsheet takes a cell starting with one of these for a formula:
    // the apostrophe keeps it text.
    std::string text(cell);
    if (!text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos)
        text.insert(0, 1, '\'');
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace zeb
