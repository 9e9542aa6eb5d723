#include "files/ProgramFileFormat.h"

#include "core/Words.h"

namespace zeb {

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
