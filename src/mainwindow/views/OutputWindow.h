#pragma once
#include "core/MachineObserver.h"
#include "core/Zeb.h"
#include "mainwindow/views/KeepClear.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <functional>

namespace zeb::views {

class FieldPanel;

// The output device: cells 69..78 as characters.
class OutputWindow : public QWidget, public MachineObserver {
    Q_OBJECT
  public:
    // Where the window must not stand when it is first shown, in screen
    // coordinates.
    std::function<KeepClear()> keepClear;

    OutputWindow(Zeb& zeb, QWidget* parent);
    ~OutputWindow() override;

    void displayChanged(DisplayItem item, int index) override;
    // Takes its place the first time, shown or not yet; then stays where
    // the student leaves it.
    void placeOnce();
    bool placed() const { return placed_; }

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void follow();
    void fitDisplay();

    Zeb& zeb_;
    FieldPanel* display_ = nullptr;
    bool placed_ = false;
};

} // namespace zeb::views
