#include "mainwindow/views/AboutWindow.h"

#include "core/Version.h"
#include "mainwindow/MainShell.h"
#include "ui/CentreForm.h"
#include "ui/SmallWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeb::views {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About ZEB"));
    auto* title = new QLabel(QString::fromLatin1(MainShell::kTitle), this);
    title->setObjectName(QStringLiteral("LblTitle"));
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 3);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Version %1").arg(QLatin1String(kVersion)), this);
    version->setObjectName(QStringLiteral("LblVersion"));
    version->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 16);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addSpacing(12);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    ui::makeSmallFixedWindow(this);
}

void AboutWindow::placeCentred() {
    ui::centreForm(this, 5, 5);
}

} // namespace zeb::views
