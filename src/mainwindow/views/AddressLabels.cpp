#include "mainwindow/views/AddressLabels.h"

#include <QPainter>

namespace zeb::views {

AddressLabels::AddressLabels(int column, QWidget* parent) : QWidget(parent), column_(column) {}

void AddressLabels::setBase(int base) {
    if (base == base_) return;
    base_ = base;
    update();
}

void AddressLabels::setRows(std::array<QRect, 16> rows) {
    rows_ = rows;
    update();
}

QString AddressLabels::labelText(int row) const {
    const int address = column_ * 16 + row;
    return QStringLiteral("%1").arg(address, 2, base_ == 16 ? 16 : 10, QLatin1Char('0')).toUpper();
}

void AddressLabels::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(QColor(0, 0, 96));
    for (int row = 0; row < 16; ++row)
        p.drawText(rows_[static_cast<std::size_t>(row)].adjusted(0, 0, -3, 0),
                   Qt::AlignRight | Qt::AlignVCenter, labelText(row));
}

} // namespace zeb::views
