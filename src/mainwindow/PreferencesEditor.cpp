#include "mainwindow/PreferencesEditor.h"

namespace zeb {

FontChoice PreferencesEditor::memoryFont(const Preferences& p) {
    return {p.memoryFontName,   p.memoryFontSize,       p.memoryFontBold,
            p.memoryFontItalic, p.memoryFontStrikethru, p.memoryFontUnderline};
}

void PreferencesEditor::storeMemoryFont(Preferences& p, const FontChoice& font) {
    p.memoryFontName = font.name;
    p.memoryFontSize = font.size;
    p.memoryFontBold = font.bold;
    p.memoryFontItalic = font.italic;
    p.memoryFontStrikethru = font.strikethru;
    p.memoryFontUnderline = font.underline;
}

void PreferencesEditor::load() {
    highlightSample = p_.highlightColour;
    fontSample = memoryFont(p_);
    soundOn = p_.soundOn;
}

void PreferencesEditor::chooseHighlightColour(std::optional<Colour> chosen) {
    if (chosen) highlightSample = *chosen;
}

FontChoice PreferencesEditor::fontChooserStart() {
    const FontChoice stored = memoryFont(p_);
    const std::string sampleName = fontSample.name;
    fontSample = stored;
    fontSample.name = sampleName;
    return stored;
}

void PreferencesEditor::chooseFont(std::optional<FontChoice> chosen) {
    if (chosen) fontSample = *chosen;
}

void PreferencesEditor::accept() {
    p_.highlightColour = highlightSample;
    storeMemoryFont(p_, fontSample);
    p_.soundOn = soundOn;
}

} // namespace zeb
