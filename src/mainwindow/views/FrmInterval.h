#pragma once
#include "core/WaitIntervalSetting.h"

#include <QDialog>

class QLabel;

namespace zeb::views {

// "Set wait interval": the Machine view's pause between steps.
class FrmInterval : public QDialog {
    Q_OBJECT
  public:
    FrmInterval(Machine& machine, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refresh();

    WaitIntervalSetting model_;
    QLabel* LblInterval_ = nullptr;
};

} // namespace zeb::views
