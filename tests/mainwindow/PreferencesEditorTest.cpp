#include "mainwindow/PreferencesEditor.h"

#include <gtest/gtest.h>

namespace zeb {
namespace {

const FontChoice kCourier{"Courier", 12, true, false, true, false};

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
    EXPECT_EQ(w.fontSample, PreferencesEditor::memoryFont(p));
    EXPECT_TRUE(w.soundOn);
    EXPECT_EQ(p.highlightColour, kRed);
}

TEST(PreferencesEditor, OkStoresTheSamples) {
    struct Case {
        const char* name;
        std::optional<Colour> colour;
        std::optional<FontChoice> font;
        bool sound;
        Colour storedColour;
        FontChoice storedFont;
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
        const FontChoice primed = w.fontChooserStart();
        EXPECT_EQ(primed.name, "MS Sans Serif") << c.name;
        w.chooseFont(c.font);
        w.soundOn = c.sound;
        w.accept();
        EXPECT_EQ(p.highlightColour, c.storedColour) << c.name;
        EXPECT_EQ(PreferencesEditor::memoryFont(p), c.storedFont) << c.name;
        EXPECT_EQ(p.soundOn, c.sound) << c.name;
    }
}

// Opening the font chooser first puts the sample back to the stored size and
// styles, keeping the sample's name; the chooser starts from the stored font.
TEST(PreferencesEditor, FontChooserStartsFromTheStoredFont) {
    Preferences p;
    p.memoryFontName = "Arial";
    p.memoryFontSize = 10;
    PreferencesEditor w(p);
    w.load();
    w.fontChooserStart();
    w.chooseFont(kCourier);
    const FontChoice primed = w.fontChooserStart();
    EXPECT_EQ(primed.name, "Arial");
    EXPECT_EQ(w.fontSample, (FontChoice{"Courier", 10}));
    w.chooseFont(std::nullopt);
    w.accept();
    EXPECT_EQ(PreferencesEditor::memoryFont(p), (FontChoice{"Courier", 10}));
}

} // namespace
} // namespace zeb
