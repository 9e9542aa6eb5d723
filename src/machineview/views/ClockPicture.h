#pragma once
#include <QColor>
#include <QWidget>

namespace zeb::machineview::views {

// The machine's clock as a pulse train of its seven cycles, the current
// cycle's pulse raised and coloured. Picture p (1 to 7) stands for cycle
// p - 1, picture 1 for cycle 7; picture 0 marks none.
class ClockPicture : public QWidget {
    Q_OBJECT
  public:
    explicit ClockPicture(QWidget* parent);

    int picture() const { return picture_; }
    void setPicture(int picture);
    void setHighlight(const QColor& colour);

  signals:
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int picture_ = 0;
    QColor highlight_ = Qt::red;
};

} // namespace zeb::machineview::views
