#include "ui/TruthGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace zeb::ui {

TruthGrid::TruthGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCornerButtonEnabled(false);
    // The highlight must show whether or not the grid has the focus.
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, QColor(0, 0, 128));
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    setPalette(pal);
}

void TruthGrid::setTable(const QList<QStringList>& rows, int columnWidth, int rowHeight) {
    clear();
    setRowCount(rows.size());
    setColumnCount(rows.isEmpty() ? 0 : rows.first().size());
    for (int r = 0; r < rows.size(); ++r) {
        setRowHeight(r, rowHeight);
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled | (r == 0 ? Qt::NoItemFlags : Qt::ItemIsSelectable));
            if (r == 0) item->setBackground(palette().button());
            setItem(r, c, item);
        }
    }
    int width = 0;
    for (int c = 0; c < columnCount(); ++c) {
        int needed = columnWidth;
        for (const QStringList& row : rows)
            needed = std::max(needed, fontMetrics().horizontalAdvance(row.value(c)) + 10);
        setColumnWidth(c, needed);
        width += needed;
    }
    const int frame = 2 * frameWidth();
    setFixedSize(width + frame, rowHeight * rowCount() + frame);
}

void TruthGrid::highlightRow(int row) {
    clearSelection();
    if (row > 0 && row < rowCount())
        setRangeSelected(QTableWidgetSelectionRange(row, 0, row, columnCount() - 1), true);
}

int TruthGrid::highlightedRow() const {
    const auto ranges = selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void TruthGrid::keyPressEvent(QKeyEvent* event) {
    // Tab still moves on; every other key is swallowed.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        event->ignore();
    else
        event->accept();
}

void TruthGrid::mousePressEvent(QMouseEvent*) {
    setFocus(Qt::MouseFocusReason);
}
void TruthGrid::mouseMoveEvent(QMouseEvent*) {}
void TruthGrid::mouseReleaseEvent(QMouseEvent*) {}
void TruthGrid::mouseDoubleClickEvent(QMouseEvent*) {}

} // namespace zeb::ui
