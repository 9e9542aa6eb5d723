#pragma once
#include <QWidget>

#include <array>

namespace zeb::views {

// One column's address labels beside its memory fields, in the current base.
class AddressLabels : public QWidget {
    Q_OBJECT
  public:
    AddressLabels(int column, QWidget* parent = nullptr);

    void setBase(int base);
    // Top and height of each of the 16 rows, in this widget's coordinates.
    void setRows(std::array<QRect, 16> rows);
    QString labelText(int row) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int column_;
    int base_ = 10;
    std::array<QRect, 16> rows_{};
};

} // namespace zeb::views
