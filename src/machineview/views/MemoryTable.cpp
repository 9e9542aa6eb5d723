#include "machineview/views/MemoryTable.h"

#include "ui/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace zeb::machineview::views {

namespace {
constexpr int kRowHeight = 20;
} // namespace

MemoryTable::MemoryTable(const MachineViewDisplay& display, QWidget* parent)
    : QTableWidget(kGridRows, kGridColumns, parent), display_(display) {
    setObjectName(QStringLiteral("GridMemory"));
    setAccessibleName(QStringLiteral("Memory"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setStyleSheet(QStringLiteral("QTableWidget { background: white; color: black; } "
                                 "QTableWidget::item { padding: 0px 2px; }"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    for (int row = 0; row < kGridRows; ++row) {
        changedRows_.insert(row);
        for (int column = 0; column < kGridColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignCenter);
            setItem(row, column, item);
        }
    }
}

void MemoryTable::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void MemoryTable::refreshSelection() {
    const GridSelection& s = display_.selection();
    const QModelIndex current = model()->index(display_.currentRow(), 0);
    const QItemSelection range(model()->index(s.firstRow, s.firstColumn),
                               model()->index(s.lastRow, s.lastColumn));
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
    scrollTo(model()->index(display_.topRow(), 0), QAbstractItemView::PositionAtTop);
}

void MemoryTable::setZoom(qreal zoom) {
    zoom_ = zoom;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(qRound(kRowHeight * zoom));
    refresh();
}

void MemoryTable::refresh() {
    setColumnWidth(0, qRound(ui::twipsToPixels(display_.addressColumnWidth()) * zoom_));
    const int rest = viewport()->width() - columnWidth(0);
    setColumnWidth(1, rest / 2);
    setColumnWidth(2, rest - rest / 2);
    for (int row : changedRows_)
        for (int column = 0; column < kGridColumns; ++column) {
            QTableWidgetItem* cell = item(row, column);
            const QString text = QString::fromStdString(display_.gridText(row, column));
            if (cell->text() != text) cell->setText(text);
        }
    changedRows_.clear();
    refreshSelection();
}

} // namespace zeb::machineview::views
