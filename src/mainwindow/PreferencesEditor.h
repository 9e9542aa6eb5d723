#pragma once
#include "core/Preferences.h"

#include <optional>

namespace zeb {

// The Preferences window: samples the user changes freely, stored only on OK.
class PreferencesEditor {
  public:
    explicit PreferencesEditor(Preferences& preferences) : p_(preferences) {}

    // The samples and the box, as stored; cancelled changes never survive.
    Colour highlightSample = kRed;
    Font fontSample;
    bool soundOn = true;

    void load();
    // "Action Highlight Colour": the chooser's colour, or nothing on Cancel.
    void chooseHighlightColour(std::optional<Colour> chosen);
    // "Memory Cell Font", before the chooser opens: the sample goes back to
    // the stored size and styles; the chooser is primed with the stored name.
    Font fontChooserStart();
    // ... and after it closed: the chosen font, or nothing on Cancel.
    void chooseFont(std::optional<Font> chosen);
    // "OK": the samples and the box become the preferences.
    void accept();

  private:
    Preferences& p_;
};

} // namespace zeb
