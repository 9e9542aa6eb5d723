#include "mainwindow/views/FrmOutput.h"

#include "mainwindow/views/FieldPanel.h"
#include "ui/CentreForm.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QVBoxLayout>

namespace zeb::views {

FrmOutput::FrmOutput(Zeb& zeb, QWidget* parent) : QWidget(parent, Qt::Window), zeb_(zeb) {
    setObjectName(QStringLiteral("FrmOutput"));
    setWindowTitle(QStringLiteral("Output"));
    setAccessibleName(QStringLiteral("Output device"));
    PnlOutput_ = new FieldPanel(this);
    PnlOutput_->setObjectName(QStringLiteral("PnlOutput"));
    PnlOutput_->setAccessibleName(QStringLiteral("Output device, cells 69 to 78"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(fixed.pointSizeF() * 1.6);
    PnlOutput_->setFont(fixed);
    PnlOutput_->setBackground(QColor(250, 250, 235));
    PnlOutput_->setText(QString::fromStdString(zeb_.display.outputText()));
    const int width = QFontMetrics(fixed).horizontalAdvance(QString(10, QLatin1Char('M')));
    PnlOutput_->setMinimumSize(width + 16, QFontMetrics(fixed).height() + 12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(PnlOutput_);
    zeb_.observers.add(this);
}

FrmOutput::~FrmOutput() {
    zeb_.observers.remove(this);
}

void FrmOutput::displayChanged(DisplayItem item, int index) {
    if (item == DisplayItem::OutputText)
        PnlOutput_->setText(QString::fromStdString(zeb_.display.outputText()));
    else if (item == DisplayItem::Flag && static_cast<Flag>(index) == Flag::OutputVisible)
        Follow();
}

void FrmOutput::Follow() {
    const bool show = zeb_.display.get(Flag::OutputVisible);
    if (show && !placed_) {
        adjustSize();
        ui::CentreForm(this, 6, 8);
        placed_ = true;
    }
    setVisible(show);
}

void FrmOutput::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        zeb_.devices.refreshOutputDevice();
    QWidget::changeEvent(event);
}

void FrmOutput::closeEvent(QCloseEvent* event) {
    DisplayState& d = zeb_.display;
    d.set(Flag::OutputVisible, false);
    d.set(Flag::OutputChecked, false);
    event->accept();
}

} // namespace zeb::views
