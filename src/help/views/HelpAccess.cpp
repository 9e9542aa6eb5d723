#include "help/views/HelpAccess.h"

#include "help/views/HelpCollection.h"
#include "help/views/HelpWindow.h"
#include "ui/CentreForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHelpEngine>
#include <QHelpLink>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace zeb::help::views {

namespace {

// The keyword of the page that explains the viewer itself.
constexpr const char* kHelpOnHelpKeyword = "help";

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

HelpAccess::HelpAccess(QWidget* owner, HelpOptions options)
    : owner_(owner), options_(std::move(options)) {
    if (options_.programFolder.isEmpty())
        options_.programFolder = QCoreApplication::applicationDirPath();
    if (options_.helpFolders.isEmpty())
        options_.helpFolders = HelpCollection::defaultFolders(options_.programFolder);
    if (options_.workFolder.isEmpty())
        options_.workFolder =
            QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                .filePath(QStringLiteral("help"));
    if (!options_.report)
        options_.report = [this](const QString& text) {
            QMessageBox::warning(owner_, QStringLiteral("ZEB"), text);
        };
}

namespace {
// Narrower than this the contents and the page do not both read well.
constexpr int kNarrowestBeside = 560;
} // namespace

HelpAccess::~HelpAccess() {
    delete window_.data();
}

HelpWindow* HelpAccess::window() const {
    return window_;
}

bool HelpAccess::open() {
    if (engine_) return true;
    const QString source = HelpCollection::find(options_.helpFolders);
    if (source.isEmpty()) {
        options_.report(HelpCollection::missingMessage(options_.helpFolders));
        return false;
    }
    QString error;
    QString collection = HelpCollection::prepareCopy(source, options_.workFolder, &error);
    // Without a writable copy the pages still show; only the search cannot
    // keep its index.
    if (collection.isEmpty())
        collection = QDir(source).filePath(QLatin1String(HelpCollection::kCollectionFile));
    auto engine = std::make_unique<QHelpEngine>(collection);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty()) {
        options_.report(QStringLiteral("ZEB's help in %1 could not be opened: %2")
                            .arg(source, engine->error()));
        return false;
    }
    engine_ = std::move(engine);
    return true;
}

void HelpAccess::present() {
    // Help asked for from a modal window must be usable while that window
    // waits, so the viewer then belongs to it; otherwise to the main window.
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = owner_;
    if (!window_) {
        window_ = new HelpWindow(*engine_, parent);
        // Beside the main window where there is room: the student reads
        // about what stays in sight.
        if (!owner_ ||
            !ui::placeBeside(window_, owner_->window()->frameGeometry(), kNarrowestBeside))
            ui::centreForm(window_, 5, 5);
    } else if (window_->parentWidget() != parent)
        window_->setParent(parent, window_->windowFlags());
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QUrl HelpAccess::topicOf(const QString& keyword) {
    if (!open()) return {};
    // Each keyword's id is its name in lower case, so the id finds it in any case.
    QList<QHelpLink> links = engine_->documentsForIdentifier(keyword.trimmed().toLower());
    if (links.isEmpty()) links = engine_->documentsForKeyword(keyword.trimmed());
    return links.isEmpty() ? QUrl() : links.first().url;
}

void HelpAccess::showPageOrIndex(const QString& keyword) {
    const QUrl page = topicOf(keyword);
    if (!engine_) return;
    present();
    // A keyword the help does not know shows where it would be in the index.
    if (page.isValid())
        window_->showPage(page);
    else
        window_->showIndexAt(keyword.trimmed());
}

void HelpAccess::contents() {
    showPageOrIndex(fromView(help_keywords::kContents));
}

void HelpAccess::showTopic(std::string_view keyword) {
    showPageOrIndex(fromView(keyword));
}

void HelpAccess::searchKeyword(std::string_view keyword) {
    if (!open()) return;
    present();
    window_->showIndexAt(fromView(keyword).trimmed());
}

void HelpAccess::helpOnHelp() {
    showPageOrIndex(QLatin1String(kHelpOnHelpKeyword));
}

void HelpAccess::attachHelpButton(QAbstractButton* button, std::string_view keyword) {
    if (!button) return;
    button->setEnabled(true);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [this, keyword = std::string(keyword)] { searchKeyword(keyword); });
}

void HelpAccess::startGuide() {
    // The guide starts minimized, as a program of its own; whether it could
    // be started is not reported. ZEB is its parent and waits for it when it
    // ends, so that nothing of it is left behind; it ends with ZEB.
    auto* guide = new QProcess(&guides_);
    guide->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(guide, &QProcess::finished, guide, &QObject::deleteLater);
    QObject::connect(guide, &QProcess::errorOccurred, guide, [guide](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) guide->deleteLater();
    });
    guide->start(QDir(options_.programFolder).filePath(QStringLiteral("zeb-guide")),
                 {QStringLiteral("--minimized")});
}

} // namespace zeb::help::views
