#pragma once
#include "core/Zeb.h"
#include "mainwindow/views/KeepClear.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <functional>

namespace zeb::views {

class FieldPanel;

// The output device: cells 69..78 as characters.
class OutputWindow : public QWidget {
    Q_OBJECT
  public:
    // Where the window must not stand when it is first shown, in screen
    // coordinates.
    std::function<KeepClear()> keepClear;

    OutputWindow(Zeb& zeb, QWidget* parent);

    // Shown or hidden as the Options menu's switch says.
    void follow();
    // The output device's text as it is now.
    void showText();
    // Takes its place the first time, shown or not yet; then stays where
    // the student leaves it.
    void placeOnce();
    bool placed() const { return placed_; }

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void fitDisplay();

    Zeb& zeb_;
    FieldPanel* display_ = nullptr;
    bool placed_ = false;
};

} // namespace zeb::views
