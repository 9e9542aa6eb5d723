#pragma once
#include "core/Command.h"
#include "demo/DemonstrationView.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zeb {
class Demonstration;
}

namespace zeb::demo::views {

// "Demonstration instructions": a small window low on the left of the screen
// that shows the demonstration's current message, with Help, Next and Cancel.
// It stays on top of the main window except while a program runs.
class DemonstrationWindow : public QWidget, public DemonstrationView {
    Q_OBJECT
  public:
    explicit DemonstrationWindow(Demonstration& demonstration, QWidget* parent = nullptr);

    // Where the control of the command an entry waits for stands, in screen
    // coordinates (empty where it is not shown): the window keeps clear of it.
    std::function<QList<QRect>(UserCommand command)> controlArea;

    void showInstruction(const std::string& message, bool nextEnabled) override;
    void showWindow() override;
    void hideWindow() override;

    // The always-on-top level, changed without moving or resizing the window.
    void setOnTop(bool onTop);
    bool isOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void layOut();
    // Off the control the current entry asks the student to click.
    void keepClearOfNamedControl();

    Demonstration& demonstration_;
    QPlainTextEdit* messageText_;
    QLabel* scrollHint_;
    QPushButton* helpButton_;
    QPushButton* nextButton_;
    QPushButton* cancelButton_;
};

} // namespace zeb::demo::views
