#include "core/views/FontConversion.h"

namespace zeb::core::views {

QFont toQFont(const Font& font, double fallbackSize) {
    QFont q(QString::fromStdString(font.name));
    q.setPointSizeF(font.size > 0 ? font.size : fallbackSize);
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setStrikeOut(font.strikethru);
    q.setUnderline(font.underline);
    return q;
}

Font fromQFont(const QFont& font) {
    return {font.family().toStdString(),
            font.pointSizeF(),
            font.bold(),
            font.italic(),
            font.strikeOut(),
            font.underline()};
}

} // namespace zeb::core::views
