#include "cli/Assignment.h"

#include "cli/TrimSpace.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace zeb {

namespace {

std::optional<RunEnd> endNamed(std::string_view name) {
    if (name == "halt") return RunEnd::Halt;
    if (name == "error") return RunEnd::Error;
    if (name == "limit") return RunEnd::Limit;
    if (name == "input") return RunEnd::Input;
    return std::nullopt;
}

// Reads the file line by line; faults are collected so the teacher sees
// every bad line at once.
class Parser {
  public:
    void line(int number, std::string_view text);
    // The assignment, or nothing with the faults appended in line order.
    std::optional<Assignment> finish(int lastLine, const std::string& fileName,
                                     std::vector<std::string>& errors);

  private:
    void fault(int line, const std::string& message) { faults_.emplace_back(line, message); }
    void closeCase();
    void setting(int line, const std::string& word, const std::string& value);

    std::vector<std::pair<int, std::string>> faults_;
    Assignment assignment_;
    std::unordered_set<std::string> names_; // of the cases so far
    CliOptions defaults_;
    AssignmentCase* case_ = nullptr;
    int caseLine_ = 0;
    bool caseHasEnd_ = false;
};

void Parser::line(int number, std::string_view text) {
    text = trimSpace(text);
    if (text.empty() || text.front() == '#') return;
    const auto blank = std::min(text.find_first_of(" \t"), text.size());
    const std::string word(text.substr(0, blank));
    const std::string rest(trimSpace(text.substr(blank)));

    if (word == "title") {
        if (case_)
            fault(number, "title after the first case");
        else if (rest.empty())
            fault(number, "title needs a text");
        else
            assignment_.title = rest;
    } else if (word == "case") {
        closeCase();
        if (rest.empty()) fault(number, "case needs a name");
        if (!rest.empty() && !names_.insert(rest).second)
            fault(number, "a case named \"" + rest + "\" exists");
        assignment_.cases.push_back({rest, defaults_, {}, RunEnd::Halt});
        case_ = &assignment_.cases.back();
        caseLine_ = number;
        caseHasEnd_ = false;
    } else if (runSettingKind(word) != RunSetting::Unknown) {
        setting(number, word, rest);
    } else if (word == "expect" || word == "end") {
        if (!case_) {
            fault(number, word + " before the first case");
        } else if (word == "expect") {
            if (rest.empty())
                fault(number, "expect needs the text of a printed line");
            else
                case_->expected.push_back(rest);
        } else if (const auto end = endNamed(rest)) {
            case_->end = *end;
            caseHasEnd_ = true;
        } else {
            fault(number, "end takes halt, error, limit or input: " + rest);
        }
    } else {
        fault(number, "unknown directive \"" + word + "\"");
    }
}

void Parser::setting(int line, const std::string& word, const std::string& value) {
    const bool flag = runSettingKind(word) == RunSetting::Flag;
    std::string why;
    if ((word == "input" || word == "key") && !case_)
        fault(line, word + " before the first case");
    else if (flag && !value.empty())
        fault(line, word + " takes no value");
    else if (!flag && value.empty())
        fault(line, word + " needs a value");
    else if (!applyRunSetting(case_ ? case_->options : defaults_, word, value, why))
        fault(line, word + " " + why);
}

void Parser::closeCase() {
    if (case_ && case_->expected.empty() && !caseHasEnd_)
        fault(caseLine_, "case \"" + case_->name + "\" has no expect and no end");
    case_ = nullptr;
}

std::optional<Assignment> Parser::finish(int lastLine, const std::string& fileName,
                                         std::vector<std::string>& errors) {
    closeCase();
    if (assignment_.cases.empty()) fault(std::max(lastLine, 1), "the assignment has no case");
    if (faults_.empty()) return std::move(assignment_);
    std::stable_sort(faults_.begin(), faults_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [line, message] : faults_)
        errors.push_back(fileName + ":" + std::to_string(line) + ": " + message);
    return std::nullopt;
}

} // namespace

std::optional<Assignment> parseAssignment(std::string_view text, const std::string& fileName,
                                          std::vector<std::string>& errors) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3); // a Windows editor's mark
    Parser parser;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        parser.line(++number, text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return parser.finish(number, fileName, errors);
}

} // namespace zeb
