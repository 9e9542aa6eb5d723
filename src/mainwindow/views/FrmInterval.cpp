#include "mainwindow/views/FrmInterval.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zeb::views {

FrmInterval::FrmInterval(Machine& machine, QWidget* parent) : QDialog(parent), model_(machine) {
    setObjectName(QStringLiteral("FrmInterval"));
    setWindowTitle(QStringLiteral("Set wait interval"));
    setModal(true);
    LblInterval_ = new QLabel(this);
    LblInterval_->setObjectName(QStringLiteral("LblInterval"));
    LblInterval_->setAccessibleName(QStringLiteral("Wait interval"));
    LblInterval_->setMinimumWidth(90);
    LblInterval_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

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
                Refresh();
            });
    connect(arrow(Qt::DownArrow, QStringLiteral("Spin1_Down"), QStringLiteral("Shorter wait")),
            &QToolButton::clicked, this, [this] {
                model_.decrease();
                Refresh();
            });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);

    auto* row = new QHBoxLayout;
    row->addWidget(LblInterval_);
    row->addWidget(spin);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void FrmInterval::showEvent(QShowEvent* event) {
    model_.refresh();
    Refresh();
    QDialog::showEvent(event);
}

void FrmInterval::Refresh() {
    LblInterval_->setText(QString::fromStdString(model_.label()));
}

} // namespace zeb::views
