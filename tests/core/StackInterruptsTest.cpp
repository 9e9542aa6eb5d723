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

// ION; then a routine at 40 reads the key and returns.
TEST(Interrupts, ServiceThroughTheVectorAndReturn) {
    for (int base : {10, 16}) {
        Rig r;
        // clang-format off
        r.Program({{0, "14", ""}, {1, "1", "20"}, {2, "0", ""}, {20, "", "9"}, {40, "15", ""},
                   {41, "16", ""}, {79, "", "40"}});
        // clang-format on
        r.zeb.stack().toggleInterruptDisplay();
        if (base == 16) r.bases.changeBase(NumberBase::Hexadecimal);
        r.zeb.stack().pressKey(0); // "A", pending before ION
        r.zeb.run().step();        // ION: serviced at its end
        EXPECT_EQ(std::string(trimBlanks(r.PC())), base == 10 ? "40" : "28");
        EXPECT_EQ(r.m.registerText(Register::Status), "0"); // mask cleared by the service
        r.zeb.run().step();                                 // RIN
        EXPECT_EQ(std::string(trimBlanks(r.Acc())), base == 10 ? "65" : "41");
        r.zeb.run().step(); // RTI
        EXPECT_EQ(r.PC() + r.Acc() + r.m.registerText(Register::Interrupt), "     1     00");
        EXPECT_TRUE(r.host.messages.empty());
    }
}

TEST(Interrupts, PendingLineWaitsForTheMaskAndTheWindow) {
    Rig r;
    r.Program({{0, "13", ""}, {1, "13", ""}, {79, "", "40"}});
    r.zeb.stack().pressKey(3);
    r.zeb.run().step();
    EXPECT_EQ(r.PC(), "     1"); // window hidden: never serviced
    r.zeb.stack().toggleInterruptDisplay();
    r.zeb.stack().pressKey(3);
    r.zeb.run().step();
    EXPECT_EQ(r.PC(), "     2"); // mask off
    EXPECT_EQ(r.m.registerText(Register::Interrupt), "1");
}

TEST(Interrupts, EmptyVectorIsReported) {
    Rig r;
    r.Program({{0, "14", ""}, {79, "1", ""}});
    r.zeb.stack().toggleInterruptDisplay();
    r.zeb.stack().pressKey(1);
    r.zeb.run().step();
    EXPECT_EQ(r.host.texts(), std::vector<std::string>{Report("Operand not set at address  79")});
    EXPECT_EQ(r.PC() + r.m.registerText(Register::Status), "     12");
}

} // namespace
} // namespace zeb::test
