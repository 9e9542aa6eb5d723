#pragma once
#include "core/WaitIntervalSetting.h"

#include <QDialog>

class QLabel;

namespace zeb::views {

// "Set wait interval": the Machine view's pause between steps.
class WaitIntervalDialog : public QDialog {
    Q_OBJECT
  public:
    WaitIntervalDialog(Machine& machine, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showInterval();

    WaitIntervalSetting model_;
    QLabel* intervalLabel_ = nullptr;
};

} // namespace zeb::views
