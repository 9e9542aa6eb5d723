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
class PreferencesEditor {
  public:
    explicit PreferencesEditor(Preferences& preferences) : p_(preferences) {}

    // The samples and the box, as stored; cancelled changes never survive.
    Colour highlightSample = kRed;
    FontChoice fontSample;
    bool soundOn = true;

    void load();
    // "Action Highlight Colour": the chooser's colour, or nothing on Cancel.
    void chooseHighlightColour(std::optional<Colour> chosen);
    // "Memory Cell Font", before the chooser opens: the sample goes back to
    // the stored size and styles; the chooser is primed with the stored name.
    FontChoice fontChooserStart();
    // ... and after it closed: the chosen font, or nothing on Cancel.
    void chooseFont(std::optional<FontChoice> chosen);
    // "OK": the samples and the box become the preferences.
    void accept();

    static FontChoice memoryFont(const Preferences& p);
    static void storeMemoryFont(Preferences& p, const FontChoice& font);

  private:
    Preferences& p_;
};

} // namespace zeb
