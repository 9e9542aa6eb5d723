#include "TestHost.h"

#include <gtest/gtest.h>

namespace zeb::test {
namespace {

TEST(Interrupts, KeyCodes) {
    const std::pair<int, int> cases[] = {{0, 65}, {25, 90}, {26, 32}, {27, 48}, {36, 57}};
    for (auto [index, code] : cases) {
        Rig r;
        r.zeb.stack().pressKey(index);
        r.zeb.stack().readInterruptKey();
        EXPECT_EQ(r.m.acc(), code);
        EXPECT_EQ(r.m.registerText(Register::Interrupt), "1");
    }
}

TEST(Interrupts, MaskNeedsTheKeyboardWindow) {
    Rig r;
    r.Program({{0, "14", ""}, {1, "13", ""}});
    r.zeb.run().step();
    EXPECT_EQ(r.m.registerText(Register::Status), "0");
    r.zeb.stack().toggleInterruptDisplay();
    EXPECT_EQ(r.Flags({Flag::StatusRegisterShown, Flag::StatusChecked, Flag::InterruptShown}),
              "111");
    r.m.changePC(0);
    r.zeb.run().step();
    EXPECT_EQ(r.m.registerText(Register::Status), "2");
    r.zeb.run().step();
    EXPECT_EQ(r.m.registerText(Register::Status), "0");
    // Switching the display off leaves the Status register shown.
    r.zeb.stack().toggleInterruptDisplay();
    EXPECT_EQ(r.Flags({Flag::KeyboardVisible, Flag::InterruptShown, Flag::StatusRegisterShown}),
              "001");
}

} // namespace
} // namespace zeb::test
