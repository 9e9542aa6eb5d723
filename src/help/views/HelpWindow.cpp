#include "help/views/HelpWindow.h"

#include "help/views/HelpBrowser.h"

#include <QAction>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace zeb::help::views {

namespace {

constexpr std::chrono::seconds kIndexingStartLimit{10};

QWidget* column(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    return page;
}

} // namespace

HelpWindow::HelpWindow(QHelpEngine& engine, QWidget* parent)
    : QMainWindow(parent, Qt::Window), engine_(engine) {
    setObjectName(QStringLiteral("ZebHelp"));
    setWindowTitle(QStringLiteral("ZEB Help"));

    browser_ = new HelpBrowser(engine, this);
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setAccessibleName(QStringLiteral("Help page"));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("HelpTabs"));

    QHelpContentWidget* contents = engine.contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    tabs_->addTab(contents, QStringLiteral("&Contents"));

    auto* filterLabel = new QLabel(QStringLiteral("&Type the keyword to find:"));
    indexFilter_ = new QLineEdit;
    indexFilter_->setObjectName(QStringLiteral("IndexFilter"));
    indexFilter_->setClearButtonEnabled(true);
    filterLabel->setBuddy(indexFilter_);
    QHelpIndexWidget* index = engine.indexWidget();
    index->setObjectName(QStringLiteral("HelpIndex"));
    tabs_->addTab(column(tabs_, {filterLabel, indexFilter_, index}), QStringLiteral("&Index"));

    QHelpSearchEngine* searchEngine = engine.searchEngine();
    QHelpSearchQueryWidget* query = searchEngine->queryWidget();
    query->setObjectName(QStringLiteral("SearchQuery"));
    QHelpSearchResultWidget* results = searchEngine->resultWidget();
    results->setObjectName(QStringLiteral("SearchResults"));
    tabs_->addTab(column(tabs_, {query, results}), QStringLiteral("&Search"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 620});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("HelpNavigation"));
    bar->setMovable(false);
    back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Back"),
                           browser_, &QTextBrowser::backward);
    back_->setObjectName(QStringLiteral("HelpBack"));
    back_->setShortcut(QKeySequence::Back);
    forward_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                              QStringLiteral("&Forward"), browser_, &QTextBrowser::forward);
    forward_->setObjectName(QStringLiteral("HelpForward"));
    forward_->setShortcut(QKeySequence::Forward);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* closeWindow = new QAction(QStringLiteral("Close"), this);
    closeWindow->setObjectName(QStringLiteral("HelpClose"));
    closeWindow->setShortcut(Qt::Key_Escape);
    addAction(closeWindow);
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);

    auto open = [this](const QUrl& url) { browser_->setSource(url); };
    connect(contents, &QHelpContentWidget::linkActivated, this, open);
    // One click on a topic opens it, as the page on using help says.
    connect(contents, &QHelpContentWidget::clicked, this, [this](const QModelIndex& at) {
        if (const QHelpContentItem* item = engine_.contentModel()->contentItemAt(at))
            browser_->setSource(item->url());
    });
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { browser_->setSource(document.url); });
    // A keyword of several pages opens the first.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents) {
                if (!documents.isEmpty()) browser_->setSource(documents.first().url);
            });
    connect(indexFilter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        pendingFilter_ = text;
        applyIndexFilter();
    });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    // The index is built in the background; a filter asked for before waits for it.
    connect(engine.indexModel(), &QHelpIndexModel::indexCreated, this, [this] {
        indexReady_ = true;
        applyIndexFilter();
    });
    indexReady_ = !engine.indexModel()->isCreatingIndex() && engine.indexModel()->rowCount() > 0;

    connect(query, &QHelpSearchQueryWidget::search, this, &HelpWindow::search);
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, open);
    // The full-text index is made the first time the Search tab is opened.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == static_cast<int>(Tab::Search)) indexForSearch();
    });
    connect(searchEngine, &QHelpSearchEngine::indexingStarted, this, [this] {
        indexing_ = true;
        indexingStarted_ = true;
    });
    connect(searchEngine, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexing_ = false;
        if (searchWaiting_) search();
    });
    // Keep the contents showing where the reader is; they are built in the
    // background, so once more when they are there.
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showInContents);
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        engine_.contentWidget()->expandToDepth(0);
        showInContents(browser_->source());
    });
    engine.contentWidget()->expandToDepth(0);

    browser_->setHtml(QStringLiteral(
        "<p>Choose a topic on the <b>Contents</b> tab, a keyword on the <b>Index</b> tab "
        "(double-click it, or press Enter), or look for any word on the <b>Search</b> "
        "tab.</p>"));

    // A comfortable reading size, but never larger than the screen.
    QSize size(920, 640);
    if (const QScreen* where = screen())
        size = size.boundedTo(where->availableGeometry().size() * 9 / 10);
    resize(size);
}

void HelpWindow::showPage(const QUrl& url) {
    tabs_->setCurrentIndex(static_cast<int>(Tab::Contents));
    browser_->setSource(url);
}

void HelpWindow::showIndexAt(const QString& keyword) {
    tabs_->setCurrentIndex(static_cast<int>(Tab::Index));
    pendingFilter_ = keyword;
    {
        const QSignalBlocker block(indexFilter_);
        indexFilter_->setText(keyword);
    }
    applyIndexFilter();
    indexFilter_->setFocus();
}

void HelpWindow::showInContents(const QUrl& url) {
    QHelpContentWidget* contents = engine_.contentWidget();
    const QModelIndex at = contents->indexOf(url);
    if (at.isValid()) contents->setCurrentIndex(at);
}

void HelpWindow::applyIndexFilter() {
    if (!indexReady_) return;
    engine_.indexWidget()->filterIndices(pendingFilter_);
}

void HelpWindow::indexForSearch() {
    if (searchIndexed_) return;
    searchIndexed_ = true;
    // Searching waits for the index from now on, not only once the indexing
    // thread has said it started; if it never starts, searching goes ahead.
    indexing_ = true;
    engine_.searchEngine()->reindexDocumentation();
    QTimer::singleShot(kIndexingStartLimit, this, [this] {
        if (indexingStarted_ || !indexing_) return;
        indexing_ = false;
        if (searchWaiting_) search();
    });
}

void HelpWindow::search() {
    indexForSearch();
    searchWaiting_ = indexing_;
    if (searchWaiting_) return;
    QHelpSearchEngine* searchEngine = engine_.searchEngine();
    searchEngine->search(searchEngine->queryWidget()->searchInput());
}

HelpWindow::Tab HelpWindow::currentTab() const {
    return static_cast<Tab>(tabs_->currentIndex());
}

QUrl HelpWindow::currentPage() const {
    return browser_->source();
}

} // namespace zeb::help::views
