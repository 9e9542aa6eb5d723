#include "mainwindow/views/KeypadButton.h"

#include "mainwindow/views/Artwork.h"
#include "ui/FocusMark.h"

#include <QPainter>

#include <array>

namespace zeb::views {

namespace {

constexpr std::array<const char*, 16> kPadLabels = {
    "HLT", "LDA", "STO", "AC+", "AC-", "AC\u00d7", "AC\u00f7", "JMP",
    "JU-", "JU0", "J()", "INP", "OUT", "IOF",      "ION",      "RIN"};

} // namespace

QString KeypadButton::instructionLabel(int pad) {
    return pad >= 0 && pad < 16 ? QString::fromUtf8(kPadLabels[static_cast<std::size_t>(pad)])
                                : QString();
}

KeypadButton::KeypadButton(QWidget* parent) : QAbstractButton(parent) {
    // Reached with Tab and pressed with Space; a mouse click leaves the
    // keyboard with the memory grid.
    setFocusPolicy(Qt::TabFocus);
}

void KeypadButton::setFace(const QString& label, const QString& number) {
    label_ = label;
    number_ = number;
    arrow_ = false;
    setText(label + QLatin1Char(' ') + number);
    update();
}

void KeypadButton::setArrowFace() {
    arrow_ = true;
    update();
}

void KeypadButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool down = isDown();
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, down ? QColor(190, 190, 190) : QColor(240, 240, 240));
    fill.setColorAt(1, down ? QColor(215, 215, 215) : QColor(200, 200, 200));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(110, 110, 110));
    p.setBrush(fill);
    p.drawRoundedRect(r, 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Only a keyboard user sees it: the pads take no focus from a click.
    if (hasFocus()) ui::drawFocusMark(p, rect().adjusted(1, 1, -1, -1));
    QRectF face = r.adjusted(2, 1, -2, -1);
    if (down) face.translate(1, 1);
    if (!isEnabled()) p.setOpacity(0.45);
    if (arrow_) {
        drawLeftArrow(p, face);
        return;
    }
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    QFont big = font();
    big.setBold(true);
    p.setPen(QColor(0, 0, 128));
    p.setFont(small);
    p.drawText(QRectF(face.left(), face.top(), face.width(), face.height() * 0.48),
               Qt::AlignHCenter | Qt::AlignBottom, label_);
    p.setPen(Qt::black);
    p.setFont(big);
    p.drawText(
        QRectF(face.left(), face.top() + face.height() * 0.5, face.width(), face.height() * 0.5),
        Qt::AlignHCenter | Qt::AlignTop, number_);
}

} // namespace zeb::views
