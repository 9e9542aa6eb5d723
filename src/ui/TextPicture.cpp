#include "ui/TextPicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QImage>
#include <QPixmap>

namespace zeb::ui {

namespace {

// Named by the text, not by a label's (empty) text: the name comes only
// when a screen reader asks, so making the picture sends no accessibility
// update (the first one connects to the session bus).
class AccessibleTextPicture : public QAccessibleWidget {
  public:
    explicit AccessibleTextPicture(TextPicture* picture)
        : QAccessibleWidget(picture, QAccessible::StaticText) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<TextPicture*>(widget())->shownText();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* textPictureInterface(const QString&, QObject* object) {
    if (auto* picture = qobject_cast<TextPicture*>(object))
        return new AccessibleTextPicture(picture);
    return nullptr;
}

} // namespace

TextPicture::TextPicture(const QString& text, const DrawnText& drawing, QWidget* parent)
    : QLabel(parent), text_(text), drawing_(drawing) {
    static const bool installed = (QAccessible::installFactory(textPictureInterface), true);
    (void)installed;
    setAlignment(Qt::AlignCenter);
    paintPicture();
}

void TextPicture::paintPicture() {
    const qreal ratio = devicePixelRatioF();
    const QColor colour = palette().color(foregroundRole());
    if (ratio == paintedRatio_ && colour == paintedColour_) return;
    paintedRatio_ = ratio;
    paintedColour_ = colour;
    // Drawn for one and for two; other ratios scale the one for two.
    const int drawnRatio = ratio > 1 ? 2 : 1;
    const DrawnText::Drawing& drawing = drawnRatio == 1 ? drawing_.single : drawing_.twice;
    QImage image(drawing.width, drawing.height, QImage::Format_ARGB32_Premultiplied);
    const unsigned char* coverage = drawing.coverage;
    for (int y = 0; y < drawing.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < drawing.width; ++x)
            line[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), *coverage++));
    }
    if (ratio != drawnRatio)
        image = image.scaled((QSizeF(image.size()) * ratio / drawnRatio).toSize(),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    setPixmap(QPixmap::fromImage(std::move(image)));
}

void TextPicture::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) paintPicture();
    QLabel::changeEvent(event);
}

void TextPicture::showEvent(QShowEvent* event) {
    // Another screen may have another ratio.
    paintPicture();
    QLabel::showEvent(event);
}

} // namespace zeb::ui
