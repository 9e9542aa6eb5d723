#include "files/Listing.h"

#include <array>
#include <cstdio>

namespace zeb {

std::string Listing::dateText(const std::tm& date) {
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%s-%02d", date.tm_mday,
                  kMonths[static_cast<std::size_t>(date.tm_mon % 12)], (date.tm_year + 1900) % 100);
    return text;
}

std::tm Listing::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::vector<std::string> Listing::lines(const Machine& m, const std::tm& date) {
    std::vector<std::string> lines = {"", "", dateText(date) + " ZEB Printer output", "", ""};
    if (!m.view().currentFileName().empty())
        lines.push_back("Current file is: " + m.view().currentFileName());
    lines.insert(lines.end(), 3, "");
    for (int a = 0; a < kMemorySize; ++a) {
        const std::string& op = m.operatorText(a);
        const std::string& opd = m.operandText(a);
        if (op.empty() && opd.empty()) continue;
        char address[4];
        std::snprintf(address, sizeof address, "%02d", a);
        lines.push_back(std::string(address) + "|" + padLeft(op, 3) + "|" + padLeft(opd, 3));
    }
    lines.insert(lines.end(), {"", " RUN LOG:", ""});
    for (const std::string& line : m.runState().runLog().lines())
        lines.push_back(line);
    lines.insert(lines.end(), {"", "End of output"});
    return lines;
}

} // namespace zeb
