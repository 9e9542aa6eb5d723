#pragma once
#include "core/MachineObserver.h"
#include "core/Zeb.h"

#include <QWidget>

namespace zeb::views {

// The interrupt keyboard: 37 keys that raise the interrupt line.
class FrmKeyB : public QWidget, public MachineObserver {
    Q_OBJECT
  public:
    static constexpr int kKeys = 37;

    FrmKeyB(Zeb& zeb, QWidget* parent);
    ~FrmKeyB() override;

    static QString Caption(int index);
    void displayChanged(DisplayItem item, int index) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Follow();

    Zeb& zeb_;
    bool placed_ = false;
};

} // namespace zeb::views
