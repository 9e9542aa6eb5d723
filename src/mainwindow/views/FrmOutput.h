#pragma once
#include "core/MachineObserver.h"
#include "core/Zeb.h"

#include <QWidget>

namespace zeb::views {

class FieldPanel;

// The output device: cells 69..78 as characters.
class FrmOutput : public QWidget, public MachineObserver {
    Q_OBJECT
  public:
    FrmOutput(Zeb& zeb, QWidget* parent);
    ~FrmOutput() override;

    void displayChanged(DisplayItem item, int index) override;

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Follow();

    Zeb& zeb_;
    FieldPanel* PnlOutput_ = nullptr;
    bool placed_ = false;
};

} // namespace zeb::views
