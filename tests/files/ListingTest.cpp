#include "files/Listing.h"
#include "../core/TestHost.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

std::tm Date(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    return t;
}

TEST(Listing, DateLine) {
    EXPECT_EQ(Listing::dateText(Date(2026, 12, 5)), "05-Dec-26");
    EXPECT_EQ(Listing::dateText(Date(2000, 1, 31)), "31-Jan-00");
}

// The listing's lines joined by line feeds.
std::string Listed(Rig& r) {
    std::string text;
    for (const std::string& line : Listing::lines(r.m, Date(2026, 12, 5)))
        text += line + "\n";
    return text;
}

TEST(Listing, CellsInTheShownBaseAndTheLog) {
    Rig empty;
    EXPECT_EQ(Listed(empty),
              "\n\n05-Dec-26 ZEB Printer output\n\n\n\n\n\n\n RUN LOG:\n\n\nEnd of output\n");
    for (int base : {10, 16}) {
        Rig r;
        r.Program({{0, "LDA", "12"}, {70, "", "1"}});
        r.m.view().setMnemonicsShown(true);
        if (base == 16) r.bases.changeBase(NumberBase::Hexadecimal);
        r.m.view().setCurrentFileName("/tmp/P.ZEB");
        r.m.runState().runLog().append("OUTPUT:      9");
        r.m.runState().runLog().append("OUTPUT:      8");
        EXPECT_EQ(Listed(r), std::string("\n\n05-Dec-26 ZEB Printer output\n\n\nCurrent file is: "
                                         "/tmp/P.ZEB\n\n\n\n") +
                                 (base == 10 ? "00|LDA| 12" : "00|LDA|  C") +
                                 "\n70|   |  1\n\n RUN LOG:\n\nOUTPUT:      9\nOUTPUT:      "
                                 "8\n\nEnd of output\n");
    }
}

} // namespace
} // namespace zeb::test
