#include "mainwindow/PreferencesEditor.h"

namespace zeb {

void PreferencesEditor::load() {
    highlightSample = p_.highlightColour;
    fontSample = p_.memoryFont;
    soundOn = p_.soundOn;
}

void PreferencesEditor::chooseHighlightColour(std::optional<Colour> chosen) {
    if (chosen) highlightSample = *chosen;
}

Font PreferencesEditor::fontChooserStart() {
    const Font stored = p_.memoryFont;
    const std::string sampleName = fontSample.name;
    fontSample = stored;
    fontSample.name = sampleName;
    return stored;
}

void PreferencesEditor::chooseFont(std::optional<Font> chosen) {
    if (chosen) fontSample = *chosen;
}

void PreferencesEditor::accept() {
    p_.highlightColour = highlightSample;
    p_.memoryFont = fontSample;
    p_.soundOn = soundOn;
}

} // namespace zeb
