#pragma once
#include <QDialog>

namespace zeb::views {

// The program's name and version: a start-up screen, and Help > About.
class FrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAbout(QWidget* parent);
};

} // namespace zeb::views
