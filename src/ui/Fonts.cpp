#include "ui/Fonts.h"

namespace zeb::ui {

QFont makeFont(const std::string& name, double size, bool bold, bool italic, bool strikethru,
               bool underline, double fallbackSize) {
    QFont font(QString::fromStdString(name));
    font.setPointSizeF(size > 0 ? size : fallbackSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStrikeOut(strikethru);
    font.setUnderline(underline);
    return font;
}

} // namespace zeb::ui
