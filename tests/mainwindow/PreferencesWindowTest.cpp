#include "mainwindow/PreferencesWindow.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

const FontChoice kCourier{"Courier", 12, true, false, true, false};

TEST(PreferencesWindow, CancelledChoicesNeverSurvive) {
    Preferences p;
    PreferencesWindow w(p);
    w.Form_Activate();
    w.Command3_Click(kGreen);
    w.FontChooserStart();
    w.Command4_Click(kCourier);
    w.ChkSound = false;
    // Cancel: nothing stored, and the next opening shows the stored values.
    w.Form_Activate();
    EXPECT_EQ(w.lblHighlightColour, kRed);
    EXPECT_EQ(w.lblFont, PreferencesWindow::MemoryFont(p));
    EXPECT_TRUE(w.ChkSound);
    EXPECT_EQ(p.ActionHighlightColour, kRed);
}

TEST(PreferencesWindow, OkStoresTheSamples) {
    struct Case {
        const char* name;
        std::optional<Colour> colour;
        std::optional<FontChoice> font;
        bool sound;
        Colour storedColour;
        FontChoice storedFont;
    } cases[] = {
        {"NothingChosen", {}, {}, true, kRed, {"MS Sans Serif", 8.25}},
        {"OnlySound", {}, {}, false, kRed, {"MS Sans Serif", 8.25}},
        {"Both", kGreen, kCourier, true, kGreen, kCourier},
        {"ChoosersCancelled", std::nullopt, std::nullopt, true, kRed, {"MS Sans Serif", 8.25}},
    };
    for (const auto& c : cases) {
        Preferences p;
        PreferencesWindow w(p);
        w.Form_Activate();
        w.Command3_Click(c.colour);
        const FontChoice primed = w.FontChooserStart();
        EXPECT_EQ(primed.name, "MS Sans Serif") << c.name;
        w.Command4_Click(c.font);
        w.ChkSound = c.sound;
        w.Command2_Click();
        EXPECT_EQ(p.ActionHighlightColour, c.storedColour) << c.name;
        EXPECT_EQ(PreferencesWindow::MemoryFont(p), c.storedFont) << c.name;
        EXPECT_EQ(p.SoundOn, c.sound) << c.name;
    }
}

// Opening the font chooser first puts the sample back to the stored size and
// styles, keeping the sample's name; the chooser starts from the stored font.
TEST(PreferencesWindow, FontChooserStartsFromTheStoredFont) {
    Preferences p;
    p.MemoryFontName = "Arial";
    p.MemoryFontSize = 10;
    PreferencesWindow w(p);
    w.Form_Activate();
    w.FontChooserStart();
    w.Command4_Click(kCourier);
    const FontChoice primed = w.FontChooserStart();
    EXPECT_EQ(primed.name, "Arial");
    EXPECT_EQ(w.lblFont, (FontChoice{"Courier", 10}));
    w.Command4_Click(std::nullopt);
    w.Command2_Click();
    EXPECT_EQ(PreferencesWindow::MemoryFont(p), (FontChoice{"Courier", 10}));
}

} // namespace
} // namespace zeb
