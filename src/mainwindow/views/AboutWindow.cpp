#include "mainwindow/views/AboutWindow.h"

#include "core/Version.h"
#include "mainwindow/MainShell.h"
#include "mainwindow/views/AboutPictures.h"
#include "ui/CentreForm.h"
#include "ui/SmallWindow.h"
#include "ui/TextPicture.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace zeb::views {

namespace {

QString title() {
    return QString::fromLatin1(MainShell::kTitle);
}

QString version() {
    return QStringLiteral("Version %1").arg(QLatin1String(kVersion));
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About ZEB"));
    auto* titlePicture = new ui::TextPicture(title(), kAboutTitlePicture, this);
    titlePicture->setObjectName(QStringLiteral("LblTitle"));
    auto* versionPicture = new ui::TextPicture(version(), kAboutVersionPicture, this);
    versionPicture->setObjectName(QStringLiteral("LblVersion"));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(40, 24, 40, 24);
    // Shown only once the window is mapped (below), still before it is
    // first painted: a child's showing is an accessibility update, and the
    // first one connects the screen reader's bridge to the session bus,
    // which without a bus starts dbus-launch and waits for it. The layout
    // keeps their room meanwhile.
    for (QWidget* picture : {titlePicture, versionPicture}) {
        QSizePolicy policy = picture->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        picture->setSizePolicy(policy);
        picture->hide();
        layout_->addWidget(picture);
        pictures_.push_back(picture);
    }
    // Measuring the caption would load the fonts: the pictures alone set
    // the size until the OK button comes.
    ui::makeSmallWindowOfContents(this);
}

void AboutWindow::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible)
        for (QWidget* picture : pictures_)
            picture->show();
}

void AboutWindow::placeCentred() {
    ui::centreForm(this, 5, 5);
}

void AboutWindow::offerOk() {
    if (findChild<QPushButton*>(QStringLiteral("CmdOK"))) return;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout_->setContentsMargins(40, 24, 40, 16);
    layout_->addSpacing(12);
    layout_->addWidget(ok, 0, Qt::AlignHCenter);
    ui::fitSmallFixedWindow(this);
    // Screen readers speak a dialog's description when it comes up, not the
    // pictures beside its button.
    setAccessibleDescription(title() + QLatin1Char(' ') + version());
}

} // namespace zeb::views
