#include "help/views/HelpAccess.h"
#include "demo/DemonstrationScript.h"
#include "help/views/HelpBrowser.h"
#include "help/views/HelpCollection.h"
#include "help/views/HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

using namespace zeb::help::views;
using Tab = HelpWindow::Tab;

class HelpAccessTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> work;
    std::unique_ptr<HelpAccess> help;
    QStringList reports;

    void makeHelp(const QStringList& folders) {
        HelpOptions options;
        options.programFolder = work->filePath(QStringLiteral("bin"));
        options.helpFolders = folders;
        options.workFolder = work->filePath(QStringLiteral("copy"));
        options.report = [this](const QString& text) { reports << text; };
        help = std::make_unique<HelpAccess>(nullptr, options);
    }
    HelpWindow& window() {
        if (!help->window()) qFatal("no help window");
        return *help->window();
    }
    QString page() { return window().currentPage().fileName(); }
    QString selectedKeyword() {
        return help->engine()->indexWidget()->currentIndex().data().toString();
    }
    // The links of a page in reading order, one per run of linked text.
    static QStringList linksOf(const QTextDocument& page) {
        QStringList links;
        QString last;
        for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
            for (auto f = block.begin(); !f.atEnd(); ++f) {
                const QString href = f.fragment().charFormat().anchorHref();
                if (!href.isEmpty() && href != last) links << href;
                last = href;
            }
            last.clear();
        }
        return links;
    }

  private slots:
    void init() {
        work = std::make_unique<QTemporaryDir>();
        reports.clear();
        makeHelp({QStringLiteral(ZEB_HELP_DIR)});
    }
    void cleanup() { help.reset(); }

    // Every keyword the program asks for, the demonstration's and the
    // windows' Help buttons', reaches a page in any case.
    void theProgramsKeywordsReachTheirTopicsInAnyCase() {
        zeb::DemonstrationScript script;
        script.build();
        QStringList keywords{"Logic gates", "Memory", "machine simulator"};
        for (int i = 1; i <= script.lastEntry(); ++i)
            keywords << QString::fromStdString(script.entry(i).helpTopic);
        for (const QString& k : keywords)
            for (const QString& asked : {k, k.toUpper(), k.toLower()}) {
                const QUrl url = help->topicOf(asked);
                QVERIFY2(help->engine()->fileData(url).contains("<h1"), qPrintable(asked));
            }
        QVERIFY(reports.isEmpty());
    }

    // Its pictures are in the collection.
    void aTopicOpensItsPageWithItsPictures() {
        help->showTopic("Clearing memory");
        QCOMPARE(window().currentTab(), Tab::Contents);
        QCOMPARE(page(), QStringLiteral("clearing-memory.html"));
        const QUrl picture =
            window().currentPage().resolved(QUrl(QStringLiteral("images/clear-question.png")));
        QVERIFY(!window().browser().loadResource(QTextDocument::ImageResource, picture).isNull());
    }

    // A keyword search filters the index and opens nothing until Return;
    // none shows the whole index; an unknown topic shows where it would be.
    void keywordSearchFiltersTheIndexAndOpensNothing() {
        help->searchKeyword("machine simulator");
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QCOMPARE(window().currentTab(), Tab::Index);
        QTRY_COMPARE(selectedKeyword(), QStringLiteral("machine simulator"));
        QVERIFY(window().currentPage().isEmpty());
        QTest::keyClick(window().findChild<QLineEdit*>(QStringLiteral("IndexFilter")),
                        Qt::Key_Return);
        QCOMPARE(page(), QStringLiteral("machine-simulator.html"));
        help->searchKeyword(" ");
        QCOMPARE(window().findChild<QLineEdit*>(QStringLiteral("IndexFilter"))->text(), QString());
        QTRY_VERIFY(help->engine()->indexWidget()->model()->rowCount() > 100);
        help->showTopic("no such topic");
        QCOMPARE(window().currentTab(), Tab::Index);
        QVERIFY(reports.isEmpty());
    }

    // Followed from the keyboard as a reader does: Tab to the link, Enter.
    void everyLinkOfEveryPageOpensItsPageInTheHelpWindow() {
        help->contents();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QHelpEngine* engine = help->engine();
        HelpBrowser& browser = window().browser();
        const QList<QUrl> pages = engine->files(engine->registeredDocumentations().first(),
                                                QString(), QStringLiteral("html"));
        QVERIFY(pages.size() > 10);
        int followed = 0;
        for (const QUrl& page : pages) {
            window().showPage(page);
            const QStringList links = linksOf(*browser.document());
            for (qsizetype i = 0; i < links.size(); ++i) {
                const QString where = page.fileName() + QStringLiteral(" -> ") + links[i];
                // From the top of the page, as it opens from elsewhere.
                window().showPage(page);
                browser.moveCursor(QTextCursor::Start);
                browser.setFocus();
                for (qsizetype tab = 0; tab <= i; ++tab)
                    QTest::keyClick(&browser, Qt::Key_Tab);
                QCOMPARE(browser.textCursor().charFormat().anchorHref(), links[i]);
                QTest::keyClick(&browser, Qt::Key_Return);
                const QUrl target = page.resolved(QUrl(links[i]));
                QVERIFY2(window().currentPage() == target, qPrintable(where));
                QVERIFY2(!engine->fileData(target.adjusted(QUrl::RemoveFragment)).isEmpty(),
                         qPrintable(where));
                QVERIFY2(!browser.documentTitle().isEmpty(), qPrintable(where));
                ++followed;
            }
        }
        QVERIFY(followed > 100);
    }

    void oneClickOnATopicInTheContentsOpensIt() {
        help->helpOnHelp();
        QHelpContentWidget* contents = help->engine()->contentWidget();
        QTRY_VERIFY(contents->model()->rowCount() > 0);
        contents->expandAll();
        QModelIndex running;
        for (QModelIndex at = contents->model()->index(0, 0); at.isValid();
             at = contents->indexBelow(at))
            if (help->engine()->contentModel()->contentItemAt(at)->url().fileName() ==
                QLatin1String("running.html"))
                running = at;
        QVERIFY(running.isValid());
        contents->scrollTo(running);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualRect(running).center());
        QCOMPARE(page(), QStringLiteral("running.html"));
    }

    // Reading a page or typing a keyword.
    void escapeClosesTheHelpWindow() {
        for (bool reading : {true, false}) {
            reading ? help->contents() : help->searchKeyword("Memory");
            QVERIFY(QTest::qWaitForWindowActive(&window()));
            if (reading) window().browser().setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY2(!window().isVisible(), reading ? "reading" : "typing");
        }
    }

    void fullTextSearchFindsPagesAndKeepsItsIndexInTheCopy() {
        help->contents();
        QHelpSearchEngine* search = help->engine()->searchEngine();
        QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
        search->queryWidget()->setSearchInput(QStringLiteral("accumulator"));
        emit search->queryWidget()->search();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
        QVERIFY(finished.first().first().toInt() > 3);
        const auto results = search->searchResults(0, 100);
        QVERIFY(std::any_of(results.begin(), results.end(), [](const auto& r) {
            return r.url().fileName() == QLatin1String("instruction-set.html");
        }));
        // The index lies beside the copy, never beside the installed collection.
        QVERIFY(QDir(work->filePath(QStringLiteral("copy/.zeb"))).exists());
        QVERIFY(!QDir(QStringLiteral(ZEB_HELP_DIR "/.zeb")).exists());
    }

    void theCopyIsMadeOnceAndMadeAgainWhenTheHelpChanges() {
        const QString source = work->filePath(QStringLiteral("installed"));
        QDir().mkpath(source);
        for (const char* f : {"zeb.qhc", "zeb.qch"})
            QVERIFY(QFile::copy(QStringLiteral(ZEB_HELP_DIR "/") + QLatin1String(f),
                                source + QLatin1Char('/') + QLatin1String(f)));
        const QString copy = work->filePath(QStringLiteral("copy2"));
        QString error;
        const QString qhc = HelpCollection::prepareCopy(source, copy, &error);
        QVERIFY2(!qhc.isEmpty(), qPrintable(error));
        QFile marker(copy + QStringLiteral("/kept"));
        QVERIFY(marker.open(QIODevice::WriteOnly) && (marker.close(), true));
        QCOMPARE(HelpCollection::prepareCopy(source, copy, &error), qhc);
        QVERIFY(marker.exists());
        // A newer installation replaces the copy and whatever lay beside it.
        QFile qch(source + QStringLiteral("/zeb.qch"));
        QVERIFY(qch.open(QIODevice::Append) && qch.write("x") == 1 && (qch.close(), true));
        QCOMPARE(HelpCollection::prepareCopy(source, copy, &error), qhc);
        QVERIFY(!marker.exists());
        QCOMPARE(QFileInfo(copy + QStringLiteral("/zeb.qch")).size(), QFileInfo(qch).size());
    }

    void aMissingCollectionIsReportedByEveryItem() {
        const QString empty = work->filePath(QStringLiteral("nothing here"));
        makeHelp({empty});
        help->contents();
        help->showTopic("running");
        help->searchKeyword("Logic gates");
        help->helpOnHelp();
        QCOMPARE(reports.size(), 4);
        QVERIFY(reports.first().contains(empty));
        QVERIFY(!help->window());
    }

    void theDefaultFoldersAreBesideTheInstalledProgramAndInTheBuildTree() {
        const QStringList folders = HelpCollection::defaultFolders(QStringLiteral("/usr/bin"));
        QCOMPARE(folders.first(), QStringLiteral("/usr/share/zeb/help"));
        const QString built = QStringLiteral(ZEB_HELP_DIR);
        const QString app = QDir(built).filePath(QStringLiteral("../../../src/app"));
        QCOMPARE(QDir(HelpCollection::find(HelpCollection::defaultFolders(QDir::cleanPath(app))))
                     .canonicalPath(),
                 QDir(built).canonicalPath());
    }

    // The guide is asked to start minimised. ZEB is its parent, which waits
    // for it when it ends: nothing of it is left, whoever else would reap it.
    void theGuideStartsMinimisedAndIsGoneWhenItEnds() {
        QVERIFY(QDir().mkpath(work->filePath(QStringLiteral("bin"))));
        const QString said = work->filePath(QStringLiteral("guide.txt"));
        QFile guide(work->filePath(QStringLiteral("bin/zeb-guide")));
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.write(
            QStringLiteral("#!/bin/sh\necho \"$$ $PPID $*\" > '%1.new' && mv '%1.new' '%1'\n")
                .arg(said)
                .toUtf8());
        guide.close();
        guide.setPermissions(guide.permissions() | QFile::ExeOwner);
        help->startGuide();
        QTRY_VERIFY(QFile::exists(said));
        QFile answer(said);
        QVERIFY(answer.open(QIODevice::ReadOnly));
        const QStringList words = QString::fromUtf8(answer.readAll()).trimmed().split(' ');
        QCOMPARE(words.mid(1), (QStringList{QString::number(QCoreApplication::applicationPid()),
                                            QStringLiteral("--minimized")}));
        const QString process = QStringLiteral("/proc/") + words.value(0);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(process), 5000);
        QVERIFY(reports.isEmpty());
    }
};

QTEST_MAIN(HelpAccessTest)
#include "HelpAccessTest.moc"
