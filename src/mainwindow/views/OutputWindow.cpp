#include "mainwindow/views/OutputWindow.h"

#include "mainwindow/views/fields/FieldPanel.h"
#include "ui/CentreForm.h"
#include "ui/SmallWindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QVBoxLayout>

namespace zeb::views {

OutputWindow::OutputWindow(Zeb& zeb, QWidget* parent) : QWidget(parent, Qt::Window), zeb_(zeb) {
    setObjectName(QStringLiteral("FrmOutput"));
    setWindowTitle(QStringLiteral("Output"));
    setAccessibleName(QStringLiteral("Output device"));
    display_ = new FieldPanel(this);
    display_->setObjectName(QStringLiteral("PnlOutput"));
    display_->setAccessibleName(QStringLiteral("Output device, cells 69 to 78"));
    display_->setBackground(QColor(250, 250, 235));
    showText();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(display_);
    ui::makeSmallFixedWindow(this);
    // Shown from the menu, it leaves the keyboard with the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void OutputWindow::showText() {
    display_->setText(QString::fromStdString(zeb_.display().outputText()));
}

void OutputWindow::fitDisplay() {
    // Its own font, measured the first time it is placed: a session that
    // never shows the window never loads it.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(fixed.pointSizeF() * 1.6);
    display_->setFont(fixed);
    const int width = QFontMetrics(fixed).horizontalAdvance(QString(10, QLatin1Char('M')));
    display_->setMinimumSize(width + 16, QFontMetrics(fixed).height() + 12);
    ui::fitSmallFixedWindow(this);
}

void OutputWindow::placeOnce() {
    if (placed_) return;
    fitDisplay();
    const KeepClear keep = keepClear ? keepClear() : KeepClear{};
    ui::centreFormClearOf(this, 6, 8, keep.inOrder());
    placed_ = true;
}

void OutputWindow::follow() {
    const bool show = zeb_.display().get(Flag::OutputVisible);
    if (show) placeOnce();
    setVisible(show);
}

void OutputWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        zeb_.devices().refreshOutputDevice();
    QWidget::changeEvent(event);
}

void OutputWindow::closeEvent(QCloseEvent* event) {
    DisplayState& d = zeb_.display();
    d.set(Flag::OutputVisible, false);
    d.set(Flag::OutputChecked, false);
    event->accept();
}

} // namespace zeb::views
