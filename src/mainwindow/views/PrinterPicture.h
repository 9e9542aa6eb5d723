#pragma once
#include <QWidget>

namespace zeb::views {

// ZEB's printer: at rest, or printing while a line goes onto the paper.
class PrinterPicture : public QWidget {
    Q_OBJECT
  public:
    explicit PrinterPicture(QWidget* parent = nullptr);

    bool printing() const { return printing_; }
    void setPrinting(bool printing);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool printing_ = false;
};

} // namespace zeb::views
