#pragma once
#include "core/Preferences.h"
#include "teaching/MemoryHardware.h"

#include <QDialog>

namespace zeb::teaching::views {

class ActivationWatcher;
class FourBitMemoryFrame;
class DecoderFrame;
class AddressedMemoryFrame;

// The "Memory" window: the 4-bit memory, the address decoder and the addressed
// memory, one at a time in the same place. Create it once and show it modally
// with exec(); "Cancel" only hides it, so every value is kept.
class MemoryHardwareWindow : public QDialog {
    Q_OBJECT
  public:
    MemoryHardwareWindow(QWidget* parent, const zeb::Preferences& preferences);

    const MemoryHardware& model() const { return model_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showFirstDemonstration();
    void refresh();

    MemoryHardware model_;
    ActivationWatcher* activation_;
    FourBitMemoryFrame* fourBitMemoryFrame_;
    DecoderFrame* decoderFrame_;
    AddressedMemoryFrame* addressedMemoryFrame_;
};

} // namespace zeb::teaching::views
