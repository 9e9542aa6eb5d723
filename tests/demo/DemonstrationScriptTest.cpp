#include "demo/DemonstrationScript.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using zeb::DemonstrationScript;

// What each entry asks for is followed click by click in the demonstration's
// walk; here only the script's frame: its ends and every message's last line.
TEST(DemonstrationScript, BuildsAfreshEachTimeAndEndsEveryMessageTheSameWay) {
    const std::string trailer = "\r\n\r\n[message ends]";
    DemonstrationScript s;
    EXPECT_THROW(s.entry(1), std::out_of_range);
    s.build();
    s.build();
    ASSERT_EQ(s.lastEntry(), 32);
    EXPECT_THROW(s.entry(0), std::out_of_range);
    EXPECT_THROW(s.entry(33), std::out_of_range);
    for (int i = 1; i <= 32; ++i) {
        const std::string& m = s.entry(i).message;
        EXPECT_EQ(m.find(trailer), m.size() - trailer.size()) << i;
    }
}
