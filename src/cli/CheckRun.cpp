#include "cli/CheckRun.h"

#include "cli/Assignment.h"
#include "cli/MarkReport.h"
#include "cli/Marker.h"
#include "files/StdFileSystem.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

namespace zeb {

namespace fs = std::filesystem;

namespace {

bool IsProgramName(const std::string& name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string extension = name.substr(dot);
    return extension == ".ZEB" || extension == ".zeb";
}

// The mark book must never replace what it marks.
bool IsOneOf(const std::string& name, const std::string& assignment,
             const std::vector<std::string>& programs) {
    std::error_code ec;
    if (fs::equivalent(name, assignment, ec)) return true;
    return std::any_of(programs.begin(), programs.end(), [&](const std::string& program) {
        std::error_code ec2;
        return fs::equivalent(name, program, ec2);
    });
}

} // namespace

CheckRun::CheckRun(const CliOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err) {}

std::optional<std::vector<std::string>>
CheckRun::programList(const std::vector<std::string>& arguments, std::string& error) {
    std::vector<std::string> programs;
    for (const std::string& argument : arguments) {
        std::error_code ec;
        if (!fs::is_directory(argument, ec)) {
            // A missing file is marked as one that cannot be loaded.
            programs.push_back(argument);
            continue;
        }
        std::vector<std::string> names;
        for (fs::directory_iterator it(argument, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            std::error_code typeError; // a dangling link is kept: it fails to load
            if (IsProgramName(name) && !it->is_directory(typeError)) names.push_back(name);
        }
        if (ec) {
            error = "cannot read the folder " + argument + ": " + ec.message();
            return std::nullopt;
        }
        if (names.empty()) {
            error = "no file ending in .ZEB or .zeb in the folder " + argument;
            return std::nullopt;
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            programs.push_back((fs::path(argument) / name).lexically_normal().string());
    }
    return programs;
}

int CheckRun::execute() {
    StdFileSystem disk;
    std::ifstream in;
    // A device or a pipe might never end.
    if (!disk.notRegularFile(options_.assignment)) in.open(options_.assignment, std::ios::binary);
    if (!in.is_open() || !in) {
        err_ << "zeb-run: cannot read the assignment file " << options_.assignment << '\n';
        return 2;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::string> errors;
    const auto assignment = parseAssignment(text, options_.assignment, errors);
    if (!assignment) {
        for (const std::string& e : errors)
            err_ << e << '\n';
        return 2;
    }
    std::string error;
    const auto programs = programList(options_.programs, error);
    if (!programs) {
        err_ << "zeb-run: " << error << '\n';
        return 2;
    }
    // Written as a program is saved: the old mark book stays until the new
    // one is complete.
    std::unique_ptr<OutputFile> csvFile;
    if (!options_.csv.empty()) {
        if (IsOneOf(options_.csv, options_.assignment, *programs)) {
            err_ << "zeb-run: the CSV file " << options_.csv
                 << " is the assignment or a program being marked\n";
            return 2;
        }
        FileError openError;
        csvFile = disk.openWrite(options_.csv, openError);
        if (!csvFile) {
            err_ << "zeb-run: could not write " << options_.csv << ": " << openError.description
                 << '\n';
            return 2;
        }
    }

    std::ostringstream csv;
    MarkReport report(out_, csvFile ? &csv : nullptr);
    const Marker marker(*assignment);
    for (const std::string& program : *programs) {
        for (const CaseResult& result : marker.mark(program))
            report.add(result);
        out_.flush(); // a long class shows its progress
    }
    report.summary(programs->size());
    if (csvFile) {
        const bool written = csvFile->write(csv.str());
        if (!csvFile->close() || !written) {
            err_ << "zeb-run: could not write " << options_.csv << ": " << csvFile->failure()
                 << '\n';
            return 2;
        }
    }
    return report.allPassed() ? 0 : 1;
}

} // namespace zeb
