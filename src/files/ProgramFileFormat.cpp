#include "files/ProgramFileFormat.h"

#include "core/Words.h"

namespace zeb {

namespace {

// Fixed-count reads that remember running past the end of the file, with
// room to put back what a look ahead took.
class FieldReader {
  public:
    explicit FieldReader(InputFile& file) : file_(file) {}

    std::string take(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            const int c = next();
            if (c < 0) {
                pastEnd_ = true;
                break;
            }
            text.push_back(static_cast<char>(c));
        }
        return text;
    }
    void skipByteOrderMark() {
        const std::string start = take(3);
        if (start != "\xEF\xBB\xBF") putBack(start);
        pastEnd_ = false;
    }
    // The bar that closes a line, then its end: CR LF, or LF alone.
    void takeLineEnd() {
        take(1);
        const std::string c = take(1);
        if (c != "\n") take(1);
    }
    bool atEnd() { return pending_.empty() && file_.atEnd(); }
    bool pastEnd() const { return pastEnd_; }

  private:
    int next() {
        if (pending_.empty()) return file_.get();
        const int c = static_cast<unsigned char>(pending_.back());
        pending_.pop_back();
        return c;
    }
    void putBack(const std::string& text) { pending_.assign(text.rbegin(), text.rend()); }

    InputFile& file_;
    std::string pending_; // in reverse order
    bool pastEnd_ = false;
};

} // namespace

int ProgramFileFormat::fieldValue(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
    std::size_t i = 0;
    bool negative = false;
    if (i < compact.size() && (compact[i] == '-' || compact[i] == '+')) {
        negative = compact[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < compact.size() && compact[i] >= '0' && compact[i] <= '9' && value < 100000; ++i)
        value = value * 10 + (compact[i] - '0');
    return static_cast<int>(negative ? -value : value);
}

ProgramReadResult ProgramFileFormat::read(InputFile& file) {
    ProgramReadResult result;
    FieldReader in(file);
    in.skipByteOrderMark();
    std::string c = in.take(1);
    if (in.pastEnd()) {
        result.error = ProgramReadError::ReadFailed;
        result.empty = true;
        return result;
    }
    while (c != "#" && !in.atEnd()) {
        // Two characters of address, then the bar.
        ProgramLine line;
        line.address = fieldValue(c + in.take(1));
        in.take(1);
        if (in.pastEnd()) {
            result.error = ProgramReadError::ReadFailed;
            return result;
        }
        if (!legalAddress(line.address)) {
            result.error = ProgramReadError::AddressOutOfRange;
            return result;
        }
        // Three characters of operator, then the bar.
        line.operatorText = stripLeadingBlanks(in.take(3));
        in.take(1);
        if (in.pastEnd()) {
            result.error = ProgramReadError::ReadFailed;
            return result;
        }
        // Three characters of operand, then the closing bar and the line end.
        line.operandText = stripLeadingBlanks(in.take(3));
        in.takeLineEnd();
        if (in.pastEnd()) {
            // The operator still counts: a bad one is reported before the end is.
            line.operandRead = false;
            result.lines.push_back(std::move(line));
            result.error = ProgramReadError::ReadFailed;
            return result;
        }
        result.lines.push_back(std::move(line));
        c = in.take(1);
        if (in.pastEnd()) {
            result.error = ProgramReadError::ReadFailed;
            return result;
        }
    }
    return result;
}

std::string ProgramFileFormat::write(const std::vector<ProgramLine>& cells,
                                     const std::vector<std::string>& log) {
    std::string text;
    for (const ProgramLine& cell : cells) {
        if (cell.operatorText.empty() && cell.operandText.empty()) continue;
        text += padLeft(plainText(cell.address), 2);
        text += '|';
        text += padLeft(cell.operatorText, 3);
        text += '|';
        text += padLeft(cell.operandText, 3);
        text += '|';
        text += kLineEnd;
    }
    text += kRunLogMarker;
    text += kLineEnd;
    for (const std::string& line : log) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

} // namespace zeb
