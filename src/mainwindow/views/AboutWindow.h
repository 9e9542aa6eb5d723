#pragma once
#include <QDialog>

namespace zeb::views {

// The program's name and version: a start-up screen, and Help > About.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent);

    // Centred on the screen.
    void placeCentred();
};

} // namespace zeb::views
