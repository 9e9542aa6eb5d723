#pragma once
#include "core/Preferences.h"

#include <optional>
#include <string>

namespace zeb {

// A font as the memory cells use it.
struct FontChoice {
    std::string name;
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
    bool operator==(const FontChoice&) const = default;
};

// The Preferences window: samples the user changes freely, stored only on OK.
class PreferencesWindow {
  public:
    explicit PreferencesWindow(Preferences& preferences) : p_(preferences) {}

    // The samples and the box, as stored; cancelled changes never survive.
    Colour lblHighlightColour = kRed;
    FontChoice lblFont;
    bool ChkSound = true;

    void Form_Activate();
    // "Action Highlight Colour": the chooser's colour, or nothing on Cancel.
    void Command3_Click(std::optional<Colour> chosen);
    // "Memory Cell Font", before the chooser opens: the sample goes back to
    // the stored size and styles; the chooser is primed with the stored name.
    FontChoice FontChooserStart();
    // ... and after it closed: the chosen font, or nothing on Cancel.
    void Command4_Click(std::optional<FontChoice> chosen);
    // "OK": the samples and the box become the preferences.
    void Command2_Click();

    static FontChoice MemoryFont(const Preferences& p);
    static void StoreMemoryFont(Preferences& p, const FontChoice& font);

  private:
    Preferences& p_;
};

} // namespace zeb
