#pragma once
#include "core/InputPad.h"

#include <QDialog>

#include <string>

namespace zeb::views {

class FieldPanel;

// The numeric input window read by INP: ten digits, delete and OK.
class FrmInput : public QDialog {
    Q_OBJECT
  public:
    FrmInput(InputPad& model, QWidget* parent);

    // Shows the window modally; the text it was closed with.
    std::string askNumber();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Refresh();

    InputPad& model_;
    FieldPanel* PnlInput_ = nullptr;
    bool placed_ = false;
};

} // namespace zeb::views
