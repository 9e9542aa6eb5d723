#pragma once
#include "core/InputPad.h"

#include <QDialog>
#include <QMargins>

#include <string>

namespace zeb::views {

class FieldPanel;

// The numeric input window read by INP: ten digits, delete and OK.
class InputWindow : public QDialog {
    Q_OBJECT
  public:
    InputWindow(InputPad& model, QWidget* parent);

    // Shows the window modally; the text it was closed with.
    std::string askNumber();
    // Where the window shows (or will show) its title and the number typed,
    // in screen coordinates: no other window may cover it. Before the window
    // is first shown its frame is not known: `frame` stands for it.
    QRect displayArea(const QMargins& frame);
    // The whole window with its frame, estimated the same way.
    QRect frameArea(const QMargins& frame);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showEntry();
    void placeOnce();

    InputPad& model_;
    FieldPanel* display_ = nullptr;
    bool placed_ = false;
};

} // namespace zeb::views
