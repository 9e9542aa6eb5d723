#pragma once
#include <QLineEdit>

namespace zeb::views {

// One line of the printer's paper: black on white, ruled at both sides,
// read-only. Drawn with a palette and two lines rather than a style sheet,
// whose engine would cost every session its code and memory for these few
// lines.
class PaperLine : public QLineEdit {
  public:
    explicit PaperLine(QWidget* parent);

    // The font is taken on when the line first has text: until then it
    // looks the same in any font, and a session that never prints does
    // not load it.
    void setPaperFont(const QFont& font);
    void print(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void takePaperFont();

    QFont paperFont_;
    bool paperFontSet_ = false;
    bool paperFontTaken_ = false;
};

} // namespace zeb::views
