#include "files/ProgramReader.h"

#include "core/Words.h"
#include "files/ProgramFileFormat.h"

namespace zeb {

ProgramReader::ProgramReader(InputFile& file) : file_(file) {
    skipByteOrderMark();
    first_ = take(1);
    if (pastEnd_) {
        empty_ = true;
        fail(ProgramReadError::ReadFailed);
    }
}

int ProgramReader::nextChar() {
    if (pending_.empty()) return file_.get();
    const int c = static_cast<unsigned char>(pending_.back());
    pending_.pop_back();
    return c;
}

std::string ProgramReader::take(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int c = nextChar();
        if (c < 0) {
            pastEnd_ = true;
            break;
        }
        text.push_back(static_cast<char>(c));
    }
    return text;
}

void ProgramReader::putBack(std::string_view text) {
    pending_.append(text.rbegin(), text.rend());
}

void ProgramReader::skipByteOrderMark() {
    const std::string start = take(3);
    if (start != "\xEF\xBB\xBF") putBack(start);
    pastEnd_ = false;
}

// The bar that closes a line, then its end: CR LF, LF alone or CR alone.
void ProgramReader::takeLineEnd() {
    take(1);
    const std::string c = take(1);
    if (c == "\n") return;
    if (c != "\r") {
        take(1); // a line end of two characters that are not CR LF
        return;
    }
    const std::string after = take(1);
    if (after != "\n") {
        putBack(after);
        pastEnd_ = false;
    }
}

std::nullopt_t ProgramReader::fail(ProgramReadError error) {
    error_ = error;
    done_ = true;
    return std::nullopt;
}

std::optional<ProgramLine> ProgramReader::next() {
    if (done_ || first_ == "#" || atEnd()) {
        done_ = true;
        return std::nullopt;
    }
    // Two characters of address, then the bar.
    ProgramLine line;
    line.address = ProgramFileFormat::fieldValue(first_ + take(1));
    take(1);
    if (pastEnd_) return fail(ProgramReadError::ReadFailed);
    if (!legalAddress(line.address)) return fail(ProgramReadError::AddressOutOfRange);
    // Three characters of operator, then the bar.
    line.operatorText = stripLeadingBlanks(take(3));
    take(1);
    if (pastEnd_) return fail(ProgramReadError::ReadFailed);
    // Three characters of operand, then the closing bar and the line end.
    line.operandText = stripLeadingBlanks(take(3));
    takeLineEnd();
    if (pastEnd_) {
        // The operator still counts: a bad one is reported before the end is.
        line.operandRead = false;
        error_ = ProgramReadError::ReadFailed;
        done_ = true;
        return line;
    }
    first_ = take(1);
    if (pastEnd_) {
        // This line stands; the file ending without the run log is the fault.
        error_ = ProgramReadError::ReadFailed;
        done_ = true;
    }
    return line;
}

} // namespace zeb
