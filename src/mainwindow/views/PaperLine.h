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

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zeb::views
