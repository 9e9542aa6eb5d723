#include "help/views/HelpAccess.h"
#include "demo/DemonstrationScript.h"
#include "help/views/HelpBrowser.h"
#include "help/views/HelpCollection.h"
#include "help/views/HelpWindow.h"

#include <QDialog>
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
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QXmlStreamReader>
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

    // Keywords are found in any case by their ids, so each id must be its
    // keyword in lower case.
    void everyKeywordsIdIsItsNameInLowerCase() {
        QFile project(QStringLiteral(ZEB_HELP_PROJECT));
        QVERIFY(project.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&project);
        int keywords = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement() || xml.name() != QLatin1String("keyword")) continue;
            ++keywords;
            const QString name = xml.attributes().value(QLatin1String("name")).toString();
            QCOMPARE(xml.attributes().value(QLatin1String("id")).toString(), name.toLower());
        }
        QVERIFY(!xml.hasError());
        QVERIFY(keywords > 9);
    }

    void theProgramsKeywordsReachTheirTopicsInAnyCase_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        const std::pair<const char*, const char*> topics[] = {
            {"Contents", "index.html"},
            {"Clearing memory", "clearing-memory.html"},
            {"memory store", "memory-store.html"},
            {"instruction set", "instruction-set.html"},
            {"running", "running.html"},
            {"resetting program counter", "resetting-pc.html"},
            {"machine simulator", "machine-simulator.html"},
            {"Logic gates", "logic-gates.html"},
            {"Memory", "memory-hardware.html"},
        };
        for (const auto& [keyword, page] : topics) {
            const QString k = QLatin1String(keyword);
            QTest::newRow(keyword) << k << QString::fromLatin1(page);
            QTest::addRow("%s upper", keyword) << k.toUpper() << QString::fromLatin1(page);
            QTest::addRow("%s lower", keyword) << k.toLower() << QString::fromLatin1(page);
        }
    }
    void theProgramsKeywordsReachTheirTopicsInAnyCase() {
        QFETCH(QString, keyword);
        QFETCH(QString, page);
        const QUrl url = help->topicOf(keyword);
        QCOMPARE(url.fileName(), page);
        QVERIFY(help->engine()->fileData(url).contains("<h1"));
        QVERIFY(reports.isEmpty());
    }

    void everyTopicOfTheDemonstrationIsInTheHelp() {
        zeb::DemonstrationScript script;
        script.build();
        for (int i = 1; i <= script.lastEntry(); ++i) {
            const QString topic = QString::fromStdString(script.entry(i).helpTopic);
            QVERIFY2(help->topicOf(topic).isValid(), qPrintable(topic));
        }
    }

    void contentsOpensTheContentsPage() {
        help->contents();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QCOMPARE(window().currentTab(), Tab::Contents);
        QCOMPARE(page(), QStringLiteral("index.html"));
        QVERIFY(window().browser().toPlainText().contains(QStringLiteral("ZEB")));
    }

    void aTopicOpensItsPageWithItsPictures() {
        help->showTopic("INSTRUCTION SET");
        QCOMPARE(window().currentTab(), Tab::Contents);
        QCOMPARE(page(), QStringLiteral("instruction-set.html"));
        QVERIFY(window().browser().toPlainText().contains(QStringLiteral("LDA")));
        help->showTopic("Clearing memory");
        QCOMPARE(page(), QStringLiteral("clearing-memory.html"));
        const QUrl picture =
            window().currentPage().resolved(QUrl(QStringLiteral("images/clear-question.png")));
        QVERIFY(!window().browser().loadResource(QTextDocument::ImageResource, picture).isNull());
    }

    void helpOnHelpOpensThePageAboutTheViewer() {
        help->helpOnHelp();
        QCOMPARE(page(), QStringLiteral("using-help.html"));
    }

    void keywordSearchFiltersTheIndexAndOpensNothing_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("selected");
        QTest::newRow("Logic gates")
            << QStringLiteral("Logic gates") << QStringLiteral("Logic gates");
        QTest::newRow("Memory") << QStringLiteral("Memory") << QStringLiteral("Memory");
        QTest::newRow("machine simulator")
            << QStringLiteral("machine simulator") << QStringLiteral("machine simulator");
    }
    void keywordSearchFiltersTheIndexAndOpensNothing() {
        QFETCH(QString, keyword);
        QFETCH(QString, selected);
        help->searchKeyword(keyword.toStdString());
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QCOMPARE(window().currentTab(), Tab::Index);
        auto* filter = window().findChild<QLineEdit*>(QStringLiteral("IndexFilter"));
        QCOMPARE(filter->text(), keyword);
        QTRY_COMPARE(selectedKeyword(), selected);
        QHelpIndexWidget* index = help->engine()->indexWidget();
        for (int row = 0; row < index->model()->rowCount(); ++row)
            QVERIFY(index->model()->index(row, 0).data().toString().contains(keyword,
                                                                             Qt::CaseInsensitive));
        QVERIFY(window().currentPage().isEmpty());
        // Return opens the selected keyword's page.
        QTest::keyClick(filter, Qt::Key_Return);
        QVERIFY(!window().currentPage().isEmpty());
    }

    void searchWithNoKeywordShowsTheWholeIndex() {
        help->searchKeyword(" ");
        QCOMPARE(window().currentTab(), Tab::Index);
        QCOMPARE(window().findChild<QLineEdit*>(QStringLiteral("IndexFilter"))->text(), QString());
        QTRY_VERIFY(help->engine()->indexWidget()->model()->rowCount() > 100);
        QVERIFY(window().currentPage().isEmpty());
    }

    void anUnknownKeywordShowsWhereItWouldBeInTheIndex() {
        help->showTopic("no such topic");
        QCOMPARE(window().currentTab(), Tab::Index);
        QVERIFY(window().currentPage().isEmpty());
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

    void escapeClosesTheHelpWindow_data() {
        QTest::addColumn<bool>("reading");
        QTest::newRow("reading a page") << true;
        QTest::newRow("typing a keyword") << false;
    }
    void escapeClosesTheHelpWindow() {
        QFETCH(bool, reading);
        if (reading)
            help->contents();
        else
            help->searchKeyword("Memory");
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        if (reading) window().browser().setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!window().isVisible());
    }

    void backAndForwardRetraceTheReading() {
        help->contents();
        help->showTopic("running");
        help->showTopic("memory store");
        auto* back = window().findChild<QAction*>(QStringLiteral("HelpBack"));
        auto* forward = window().findChild<QAction*>(QStringLiteral("HelpForward"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        back->trigger();
        QCOMPARE(page(), QStringLiteral("running.html"));
        back->trigger();
        QCOMPARE(page(), QStringLiteral("index.html"));
        QVERIFY(!back->isEnabled());
        forward->trigger();
        QCOMPARE(page(), QStringLiteral("running.html"));
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
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        QCOMPARE(HelpCollection::prepareCopy(source, copy, &error), qhc);
        QVERIFY(marker.exists());
        // A newer installation replaces the copy and whatever lay beside it.
        QFile qch(source + QStringLiteral("/zeb.qch"));
        QVERIFY(qch.open(QIODevice::Append));
        qch.write("x");
        qch.close();
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
        QVERIFY(reports.first().contains(QStringLiteral("ZEB's help could not be found")));
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

    // Help opened from a modal window (the teaching windows are) is usable while
    // that window waits: it belongs to it, and goes back to the owner after.
    void helpButtonsOfModalWindowsOpenTheIndexUsableBesideThem() {
        QWidget owner;
        HelpOptions options;
        options.helpFolders = {QStringLiteral(ZEB_HELP_DIR)};
        options.workFolder = work->filePath(QStringLiteral("copy"));
        HelpAccess access(&owner, options);
        QDialog dialog(&owner);
        auto* button = new QPushButton(QStringLiteral("Help"), &dialog);
        button->setEnabled(false);
        access.attachHelpButton(button, "Logic gates");
        QVERIFY(button->isEnabled());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(access.window());
        QCOMPARE(access.window()->parentWidget(), &dialog);
        QCOMPARE(access.window()->currentTab(), Tab::Index);
        QCOMPARE(access.window()->findChild<QLineEdit*>(QStringLiteral("IndexFilter"))->text(),
                 QStringLiteral("Logic gates"));
        dialog.hide();
        access.contents();
        QCOMPARE(access.window()->parentWidget(), &owner);
        QVERIFY(access.window()->isVisible());
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
        const QStringList words = QString::fromUtf8(answer.readAll()).split(' ');
        QCOMPARE(words.value(1).toLongLong(), QCoreApplication::applicationPid());
        QCOMPARE(words.value(2).trimmed(), QStringLiteral("--minimized"));
        const QString process = QStringLiteral("/proc/") + words.value(0);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(process), 5000);
        QVERIFY(reports.isEmpty());
    }

    void aGuideThatCannotStartIsNotReported() {
        help->startGuide();
        QTest::qWait(50);
        QVERIFY(reports.isEmpty());
        QVERIFY(!help->window());
    }
};

QTEST_MAIN(HelpAccessTest)
#include "HelpAccessTest.moc"
