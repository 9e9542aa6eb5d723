#include "mainwindow/views/PaperLine.h"

#include <QPainter>

namespace zeb::views {

namespace {
const QColor kRule(0x88, 0x88, 0x88);
constexpr int kRightPadding = 4;
} // namespace

PaperLine::PaperLine(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setFrame(false);
    setAlignment(Qt::AlignRight);
    // Black on white whether the main window takes input or not.
    QPalette paper = palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    setPalette(paper);
    // The rules take a pixel at each side; the text keeps clear of the right one.
    setTextMargins(1, 0, 1 + kRightPadding, 0);
}

void PaperLine::setPaperFont(const QFont& font) {
    paperFont_ = font;
    paperFontSet_ = true;
    paperFontTaken_ = false;
    if (!text().isEmpty()) takePaperFont();
}

void PaperLine::print(const QString& text) {
    if (!text.isEmpty()) takePaperFont();
    setText(text);
}

void PaperLine::takePaperFont() {
    if (!paperFontSet_ || paperFontTaken_) return;
    setFont(paperFont_);
    paperFontTaken_ = true;
}

void PaperLine::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
    }
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kRule);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
}

} // namespace zeb::views
