#include "mainwindow/PreferencesEditor.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

const Font kCourier{"Courier", 12, true, false, true, false};

TEST(PreferencesEditor, CancelledChoicesNeverSurvive) {
    Preferences p;
    PreferencesEditor w(p);
    w.load();
    w.chooseHighlightColour(kGreen);
    w.fontChooserStart();
    w.chooseFont(kCourier);
    w.soundOn = false;
    // Cancel: nothing stored, and the next opening shows the stored values.
    w.load();
    EXPECT_EQ(w.highlightSample, kRed);
    EXPECT_EQ(w.fontSample, p.memoryFont);
    EXPECT_TRUE(w.soundOn);
    EXPECT_EQ(p.highlightColour, kRed);
}

TEST(PreferencesEditor, OkStoresTheSamples) {
    struct Case {
        const char* name;
        std::optional<Colour> colour;
        std::optional<Font> font;
        bool sound;
        Colour storedColour;
        Font storedFont;
    } cases[] = {
        {"NothingChosen or choosers cancelled", {}, {}, true, kRed, {"MS Sans Serif", 8.25}},
        {"OnlySound", {}, {}, false, kRed, {"MS Sans Serif", 8.25}},
        {"Both", kGreen, kCourier, true, kGreen, kCourier},
    };
    for (const auto& c : cases) {
        Preferences p;
        PreferencesEditor w(p);
        w.load();
        w.chooseHighlightColour(c.colour);
        const Font primed = w.fontChooserStart();
        EXPECT_EQ(primed.name, "MS Sans Serif") << c.name;
        w.chooseFont(c.font);
        w.soundOn = c.sound;
        w.accept();
        EXPECT_EQ(p.highlightColour, c.storedColour) << c.name;
        EXPECT_EQ(p.memoryFont, c.storedFont) << c.name;
        EXPECT_EQ(p.soundOn, c.sound) << c.name;
    }
}

// Opening the font chooser first puts the sample back to the stored size and
// styles, keeping the sample's name; the chooser starts from the stored font.
TEST(PreferencesEditor, FontChooserStartsFromTheStoredFont) {
    Preferences p;
    p.memoryFont = {"Arial", 10};
    PreferencesEditor w(p);
    w.load();
    w.fontChooserStart();
    w.chooseFont(kCourier);
    const Font primed = w.fontChooserStart();
    EXPECT_EQ(primed.name, "Arial");
    EXPECT_EQ(w.fontSample, (Font{"Courier", 10}));
    w.chooseFont(std::nullopt);
    w.accept();
    EXPECT_EQ(p.memoryFont, (Font{"Courier", 10}));
}

} // namespace
} // namespace zeb
