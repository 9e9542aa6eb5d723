#include "mainwindow/views/WaitIntervalDialog.h"

#include "ui/SmallWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeb::views {

WaitIntervalDialog::WaitIntervalDialog(Machine& machine, QWidget* parent)
    : QDialog(parent), model_(machine) {
    setObjectName(QStringLiteral("FrmInterval"));
    setWindowTitle(QStringLiteral("Set wait interval"));
    setModal(true);
    intervalLabel_ = new QLabel(this);
    intervalLabel_->setObjectName(QStringLiteral("LblInterval"));
    intervalLabel_->setAccessibleName(QStringLiteral("Wait interval"));
    intervalLabel_->setMinimumWidth(90);
    intervalLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* spin = new QWidget(this);
    spin->setObjectName(QStringLiteral("Spin1"));
    auto* arrows = new QVBoxLayout(spin);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    auto arrow = [this, spin, arrows](Qt::ArrowType type, const QString& name,
                                      const QString& spoken) {
        auto* b = new QToolButton(spin);
        b->setArrowType(type);
        b->setObjectName(name);
        b->setAccessibleName(spoken);
        b->setAutoRepeat(true);
        b->setFixedSize(22, 14);
        arrows->addWidget(b);
        return b;
    };
    connect(arrow(Qt::UpArrow, QStringLiteral("Spin1_Up"), QStringLiteral("Longer wait")),
            &QToolButton::clicked, this, [this] {
                model_.increase();
                showInterval();
            });
    connect(arrow(Qt::DownArrow, QStringLiteral("Spin1_Down"), QStringLiteral("Shorter wait")),
            &QToolButton::clicked, this, [this] {
                model_.decrease();
                showInterval();
            });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);

    auto* row = new QHBoxLayout;
    row->addWidget(intervalLabel_);
    row->addWidget(spin);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    ui::makeSmallFixedWindow(this);
}

void WaitIntervalDialog::showEvent(QShowEvent* event) {
    model_.refresh();
    showInterval();
    QDialog::showEvent(event);
}

void WaitIntervalDialog::showInterval() {
    intervalLabel_->setText(QString::fromStdString(model_.label()));
}

} // namespace zeb::views
