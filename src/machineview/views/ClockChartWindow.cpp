#include "machineview/views/ClockChartWindow.h"

#include "ui/CentreForm.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zeb::machineview::views {

ClockChartWindow::ClockChartWindow(MachineViewModel& model) : model_(model) {
    setObjectName(QStringLiteral("FrmClock"));
    setWindowFlag(Qt::Tool);
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);
    const ClockChart& chart = model_.clockChart();

    auto* heading =
        new QLabel(QStringLiteral("Shows which gateways are open during which cycles."));
    heading->setObjectName(QStringLiteral("Label1"));

    grid_ = new QTableWidget(ClockChart::kRows, ClockChart::kColumns);
    grid_->setObjectName(QStringLiteral("GrdClock"));
    grid_->setAccessibleName(QStringLiteral("Clock chart"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The marked column is the grid's selection; only the chart changes it.
    grid_->setSelectionMode(QAbstractItemView::MultiSelection);
    grid_->viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
    grid_->setFocusPolicy(Qt::NoFocus);
    QPalette pal = grid_->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    grid_->setPalette(pal);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setTextElideMode(Qt::ElideNone);
    // The names need their room whatever the font.
    int names = ui::twipsToPixels(ClockChart::kNameColumnWidth);
    for (int row = 1; row < ClockChart::kRows; ++row)
        names = std::max(names, grid_->fontMetrics().horizontalAdvance(
                                    QString::fromStdString(chart.text(row, 0))) +
                                    12);
    grid_->setColumnWidth(0, names);
    for (int column = 1; column < ClockChart::kColumns; ++column)
        grid_->setColumnWidth(column, ui::twipsToPixels(ClockChart::kCycleColumnWidth) + 6);
    for (int row = 0; row < ClockChart::kRows; ++row)
        for (int column = 0; column < ClockChart::kColumns; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(chart.text(row, column)));
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignCenter);
            // Row 0 and column 0 are the headings.
            if (row == 0 || column == 0) item->setBackground(QColor(192, 192, 192));
            grid_->setItem(row, column, item);
        }
    int width = 2 * grid_->frameWidth();
    for (int column = 0; column < ClockChart::kColumns; ++column)
        width += grid_->columnWidth(column);
    grid_->setFixedSize(width, ClockChart::kRows * 22 + 2 * grid_->frameWidth());

    auto* hide = new QPushButton(QStringLiteral("Hide"));
    hide->setObjectName(QStringLiteral("Command1"));
    connect(hide, &QPushButton::clicked, this, [this] { model_.clockChart().hide(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(grid_);
    layout->addWidget(hide, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    frame_.setSingleShot(true);
    frame_.setInterval(16);
    connect(&frame_, &QTimer::timeout, this, &ClockChartWindow::refresh);
    model_.display().addObserver(this);
    refresh();
}

ClockChartWindow::~ClockChartWindow() {
    model_.display().removeObserver(this);
}

void ClockChartWindow::clockChartChanged() {
    if (!frame_.isActive()) frame_.start();
}

void ClockChartWindow::refresh() {
    frame_.stop();
    const ClockChart& chart = model_.clockChart();
    setWindowTitle(QString::fromStdString(chart.caption()));
    grid_->clearSelection();
    if (const std::optional<int> column = chart.markedColumn())
        grid_->setRangeSelected(
            QTableWidgetSelectionRange(1, *column, ClockChart::kRows - 1, *column), true);
    if (chart.shown() && !isVisible()) {
        if (!placed_) {
            adjustSize();
            ui::centreForm(this, 2, 9);
            placed_ = true;
        }
        show();
    } else if (!chart.shown() && isVisible()) {
        hide();
    }
}

void ClockChartWindow::closeEvent(QCloseEvent* event) {
    // The frame's close box hides the chart as "Hide" does.
    model_.clockChart().hide();
    event->accept();
}

} // namespace zeb::machineview::views
