#include "mainwindow/PreferencesWindow.h"

namespace zeb {

FontChoice PreferencesWindow::MemoryFont(const Preferences& p) {
    return {p.MemoryFontName,   p.MemoryFontSize,       p.MemoryFontBold,
            p.MemoryFontItalic, p.MemoryFontStrikethru, p.MemoryFontUnderline};
}

void PreferencesWindow::StoreMemoryFont(Preferences& p, const FontChoice& font) {
    p.MemoryFontName = font.name;
    p.MemoryFontSize = font.size;
    p.MemoryFontBold = font.bold;
    p.MemoryFontItalic = font.italic;
    p.MemoryFontStrikethru = font.strikethru;
    p.MemoryFontUnderline = font.underline;
}

void PreferencesWindow::Form_Activate() {
    lblHighlightColour = p_.ActionHighlightColour;
    lblFont = MemoryFont(p_);
    ChkSound = p_.SoundOn;
}

void PreferencesWindow::Command3_Click(std::optional<Colour> chosen) {
    if (chosen) lblHighlightColour = *chosen;
}

FontChoice PreferencesWindow::FontChooserStart() {
    const FontChoice stored = MemoryFont(p_);
    const std::string sampleName = lblFont.name;
    lblFont = stored;
    lblFont.name = sampleName;
    return stored;
}

void PreferencesWindow::Command4_Click(std::optional<FontChoice> chosen) {
    if (chosen) lblFont = *chosen;
}

void PreferencesWindow::Command2_Click() {
    p_.ActionHighlightColour = lblHighlightColour;
    StoreMemoryFont(p_, lblFont);
    p_.SoundOn = ChkSound;
}

} // namespace zeb
