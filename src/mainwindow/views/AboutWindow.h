#pragma once
#include <QDialog>

#include <vector>

class QVBoxLayout;

namespace zeb::views {

// The program's name and version: a start-up screen, and Help > About.
// Both are pictures drawn when ZEB is built, so the start-up screen is
// whole before the first font is loaded; the OK button, text of its own,
// comes with Help > About.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent);

    // Centred on the screen.
    void placeCentred();
    // Adds the OK button, once, for the window shown as a dialog.
    void offerOk();

    void setVisible(bool visible) override;

  private:
    QVBoxLayout* layout_;
    std::vector<QWidget*> pictures_;
};

} // namespace zeb::views
