#include "SessionFixture.h"
#include "mainwindow/views/PreferencesDialog.h"
#include "mainwindow/views/accessibility/SpokenAnnouncements.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>

using namespace zeb;
using namespace zeb::test;

namespace {

const char kCount[] = " 0|  1| 11|\r\n 1|  9| 10|\r\n 2| 12|   |\r\n 3|  4| 12|\r\n"
                      " 4|  7|  1|\r\n10|  0|   |\r\n11|   |  9|\r\n12|   |  1|\r\n"
                      "# RUN LOG:\r\n";

QByteArray readFile(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& name, const QByteArray& data) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Closes the modal window that opens next, once it shows.
void closeWhenShown(QWidget* parent, const char* name, bool* seen) {
    QTimer::singleShot(0, parent, [parent, name, seen] {
        auto* d = parent->findChild<QDialog*>(QLatin1String(name));
        *seen = d && d->isVisible();
        if (d) d->reject();
    });
}

} // namespace

class FileCommandsTest : public QObject, SessionFixture {
    Q_OBJECT

    QTemporaryDir dir;
    std::vector<std::string> dialogs; // what the file dialog was asked, and answered

    QString path(const char* name) { return dir.filePath(QLatin1String(name)); }
    void answerFileDialog(const QString& name) {
        s->host().fileDialog = [this, name](zeb::FileDialog dialog, std::string_view) {
            dialogs.push_back(dialog == zeb::FileDialog::Open ? "open" : "save");
            return name.toStdString();
        };
    }
    std::vector<QString> cells() {
        std::vector<QString> out;
        for (int a = 0; a < 80; ++a)
            out.push_back(text("Operator", a) + "|" + text("Operand", a));
        return out;
    }

  private slots:
    // The user's configuration folder becomes one of the test's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        start();
        dialogs.clear();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }
    void cleanup() { s.reset(); }

    // Saved in base 16 with mnemonics shown, opened in decimal numbers, saved
    // again and opened in the first mode: the same texts every time.
    void saveAndReopenAcrossModes() {
        writeFile(path("C.ZEB"), kCount);
        answerFileDialog(path("C.ZEB"));
        // A student who cannot see the title bar hears the file's name.
        QSignalSpy spoken(mainWindow().findChild<views::SpokenAnnouncements*>(),
                          &views::SpokenAnnouncements::spoken);
        trigger("fileopen");
        QCOMPARE(spoken.takeLast().at(0).toString(), QStringLiteral("Opened C.ZEB"));
        QVERIFY(mainWindow().action("MnuSave")->isEnabled());
        trigger("MnHexadecimal");
        trigger("mnDissassemble");
        const auto shown = cells();
        QCOMPARE(text("Operator", 0), QStringLiteral("LDA"));
        QCOMPARE(text("Operand", 0), QStringLiteral("B"));
        const auto value = [this](int a) {
            return QAccessible::queryAccessibleInterface(field("Operator", a))
                ->text(QAccessible::Value);
        };
        QCOMPARE(value(0), QStringLiteral("LDA"));
        QCOMPARE(value(5), QStringLiteral("empty"));

        answerFileDialog(path("H.ZEB"));
        trigger("savefile");
        QCOMPARE(spoken.takeLast().at(0).toString(), QStringLiteral("Saved H.ZEB"));
        QCOMPARE(readFile(path("H.ZEB")).left(13), QByteArray(" 0|LDA| 11|\r\n"));
        QCOMPARE(cells(), shown); // the save went through decimal and came back

        trigger("MnHexadecimal");
        trigger("mnDissassemble");
        const auto decimal = cells();
        answerFileDialog(path("H.ZEB"));
        trigger("fileopen");
        QCOMPARE(cells(), decimal);
        QVERIFY(messages.empty());

        trigger("MnHexadecimal");
        trigger("mnDissassemble");
        trigger("fileopen");
        QCOMPARE(cells(), shown);
    }

    void overwriteAndMissingFileQuestions() {
        writeFile(path("A.ZEB"), "# RUN LOG:\r\n");
        answerFileDialog(path("A.ZEB"));
        click(field("Operator", 0));
        QTest::keyClicks(&mainWindow(), "5");
        answers = {Answer::Cancel};
        trigger("savefile");
        QCOMPARE(messages.size(), size_t(1));
        QVERIFY(messages[0].find("already exists on disk.") != std::string::npos);
        QCOMPARE(readFile(path("A.ZEB")), QByteArray("# RUN LOG:\r\n"));
        trigger("savefile"); // OK replaces it
        QCOMPARE(readFile(path("A.ZEB")), QByteArray(" 0|  5|   |\r\n# RUN LOG:\r\n"));
        trigger("MnuSave"); // Save asks again, without a dialog
        QCOMPARE(messages.size(), size_t(3));
        QCOMPARE(dialogs.size(), size_t(2));

        answerFileDialog(path("none.ZEB"));
        answers = {Answer::Ok, Answer::Cancel};
        trigger("fileopen");
        QCOMPARE(messages[3], std::string("The file ") + path("none.ZEB").toStdString() +
                                  " does not exist.\r\nWould you like to create it?\r\n\r\n"
                                  "Choose OK to create the file, Cancel to stop.");
        QCOMPARE(messages[4], std::string("Error  53 occurred\r\nNo such file or directory"));
        QVERIFY(!QFile::exists(path("none.ZEB")));
        QCOMPARE(text("Operator", 0), QStringLiteral("5"));

        // A folder that is not there: the disk-error box until Cancel.
        answerFileDialog(path("missing/B.ZEB"));
        answers = {Answer::Ok, Answer::Cancel};
        trigger("savefile");
        QCOMPARE(messages[5], std::string("Non-existent drive or path"));
        QCOMPARE(messages[6], std::string("Non-existent drive or path"));
    }

    // One box that says why, with no question before it and no OK that tries
    // again: a pipe or a folder is never replaced, and a name too long for
    // the folder is told in the system's words.
    void saveWhereNoFileCanBeTellsWhyOnce() {
        QVERIFY(::mkfifo(path("pipe.ZEB").toLocal8Bit().constData(), 0600) == 0);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ZEB")));
        const struct {
            QString name;
            std::string message;
        } cases[] = {
            {path("pipe.ZEB"), "Error  75 occurred\r\nNot a regular file"},
            {path("folder.ZEB"), "Error  75 occurred\r\nIs a directory"},
            {dir.path() + QLatin1Char('/') + QString(300, QLatin1Char('N')) +
                 QStringLiteral(".ZEB"),
             "Failed to save ZEB to file - File name too long"},
        };
        for (const auto& c : cases) {
            messages.clear();
            answers = {Answer::Ok, Answer::Ok, Answer::Cancel};
            answerFileDialog(c.name);
            trigger("savefile");
            QCOMPARE(messages, std::vector<std::string>{c.message});
            QVERIFY(!mainWindow().action("MnuSave")->isEnabled());
        }
        // The pipe is still a pipe, and no temporary file is left behind.
        QVERIFY(QFileInfo(path("pipe.ZEB")).exists() && !QFileInfo(path("pipe.ZEB")).isFile());
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral(".zeb-*")}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void badLineKeepsEarlierCellsAndNoName() {
        writeFile(path("B.ZEB"), " 0|  1|  2|\r\n 1|XYZ|  2|\r\n# RUN LOG:\r\n");
        answerFileDialog(path("B.ZEB"));
        trigger("fileopen");
        QCOMPARE(messages,
                 std::vector<std::string>{"Illegal operator: 'XYZ' in file, load abandoned - "});
        QCOMPARE(text("Operator", 0), QStringLiteral("1"));
        QVERIFY(!mainWindow().action("MnuSave")->isEnabled());
        QVERIFY(s->zeb().machine.currentFileName().empty());
    }

    // What the file dialog remembers lasts for the session only.
    void fileDialogWritesNoConfiguration() {
        QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QVERIFY(config.removeRecursively());
        bool shown = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&shown] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                shown = true;
                d->reject();
            }
        });
        poll.start(10);
        trigger("fileopen");
        QVERIFY(shown);
        s.reset();
        QVERIFY2(!config.exists() || config.isEmpty(),
                 qPrintable(config.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(' ')));
    }

    void copyAndPasteMarkedCells() {
        writeFile(path("C.ZEB"), kCount);
        answerFileDialog(path("C.ZEB"));
        trigger("fileopen");
        click(field("Operator", 3), Qt::ShiftModifier);
        click(field("Operator", 11), Qt::ShiftModifier);
        QTest::keyClick(&mainWindow(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("  4| 12|\r\n   |  9|\r\n"));
        click(field("Operator", 78));
        QTest::keyClick(&mainWindow(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text("Operator", 78), QStringLiteral("4"));
        QCOMPARE(text("Operand", 79), QStringLiteral("9"));
        QVERIFY(messages.empty());
        click(field("Operator", 79));
        QApplication::clipboard()->setText(QStringLiteral("  1|  1|\r\n  2|  2|\r\n"));
        trigger("mPaste");
        QCOMPARE(messages,
                 std::vector<std::string>{"Attempt to paste beyond end of address range - "});
        QCOMPARE(text("Operator", 79), QStringLiteral("1"));
    }

    void clearCancelAndOk() {
        writeFile(path("C.ZEB"), kCount);
        answerFileDialog(path("C.ZEB"));
        trigger("fileopen");
        click(field("Operand", 5));
        answers = {Answer::Cancel};
        click(child("clearicon"));
        QCOMPARE(messages, std::vector<std::string>{"About to clear memory"});
        QCOMPARE(text("Operator", 0), QStringLiteral("1"));
        QCOMPARE(field("Operator", 0)->background(), QColor(Qt::white));
        QCOMPARE(field("Operand", 5)->background(), QColor(192, 192, 192));
        click(child("clearicon"));
        for (int a = 0; a < 80; ++a)
            QVERIFY(text("Operator", a).isEmpty() && text("Operand", a).isEmpty());
        QVERIFY(!s->zeb().machine.currentFileName().empty()); // only File > New forgets it
        trigger("MnuNew");
        QVERIFY(s->zeb().machine.currentFileName().empty());
    }

    void printTwoCopiesToPdf() {
        writeFile(path("C.ZEB"), kCount);
        answerFileDialog(path("C.ZEB"));
        trigger("fileopen");
        s->printCommands().printDialog = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path("listing.pdf"));
            printer.setCopyCount(2);
            return true;
        };
        trigger("mnuPrinter");
        QVERIFY(messages.empty());
        const QByteArray first = readFile(path("listing.pdf"));
        QVERIFY(first.startsWith("%PDF"));
        QVERIFY(readFile(path("listing (2).pdf")).startsWith("%PDF"));

        s->printCommands().printDialog = [](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/x.pdf"));
            return true;
        };
        trigger("mnuPrinter");
        QCOMPARE(messages.size(), size_t(1));
        QVERIFY(messages[0].rfind("Failed to print. - ", 0) == 0);

        s->printCommands().printDialog = [](QPrinter&) { return false; };
        trigger("mnuPrinter");
        QCOMPARE(messages.size(), size_t(1));
    }

    void printerFontsStartFromTheMemoryFont() {
        QString offered;
        s->printCommands().fontDialog = [&offered](const QFont& initial) -> std::optional<QFont> {
            offered = initial.family();
            QFont chosen(QStringLiteral("DejaVu Sans Mono"));
            chosen.setPointSize(12);
            chosen.setBold(true);
            return chosen;
        };
        trigger("MnuFonts");
        QCOMPARE(offered, QStringLiteral("MS Sans Serif"));
        QCOMPARE(s->printerFont().name, std::string("DejaVu Sans Mono"));
        QCOMPARE(s->printerFont().size, 12.0f);
        QVERIFY(s->printerFont().bold);
        s->printCommands().fontDialog = [](const QFont&) { return std::optional<QFont>(); };
        trigger("MnuFonts");
        QCOMPARE(s->printerFont().name, std::string("DejaVu Sans Mono"));
    }

    void preferencesChangeTheMemoryFontOnOk() {
        QTimer::singleShot(0, &mainWindow(), [this] {
            auto* pref = mainWindow().findChild<views::PreferencesDialog*>();
            QVERIFY(pref && pref->isVisible());
            pref->colourDialog = [](Colour) { return std::optional<Colour>(kGreen); };
            pref->fontDialog = [](const QFont& initial) -> std::optional<QFont> {
                if (initial.family() != QStringLiteral("MS Sans Serif")) return std::nullopt;
                QFont chosen(QStringLiteral("DejaVu Sans"));
                chosen.setPointSize(12);
                chosen.setBold(true);
                return chosen;
            };
            click(pref->findChild<QPushButton*>(QStringLiteral("Command3")));
            click(pref->findChild<QPushButton*>(QStringLiteral("Command4")));
            pref->findChild<QCheckBox*>(QStringLiteral("ChkSound"))->click();
            click(pref->findChild<QPushButton*>(QStringLiteral("Command2")));
        });
        trigger("MnPreferences");
        const Preferences& p = s->zeb().preferences;
        QCOMPARE(p.highlightColour, kGreen);
        QCOMPARE(p.memoryFontName, std::string("DejaVu Sans"));
        QVERIFY(p.memoryFontBold && !p.soundOn);
        QCOMPARE(field("Operator", 7)->font().family(), QStringLiteral("DejaVu Sans"));
        QVERIFY(field("Operator", 7)->font().bold());

        // Cancel keeps everything, and the next opening shows the stored values.
        QTimer::singleShot(0, &mainWindow(), [this] {
            auto* pref = mainWindow().findChild<views::PreferencesDialog*>();
            QVERIFY(!pref->findChild<QCheckBox*>(QStringLiteral("ChkSound"))->isChecked());
            pref->colourDialog = [](Colour) { return std::optional<Colour>(kRed); };
            click(pref->findChild<QPushButton*>(QStringLiteral("Command3")));
            click(pref->findChild<QPushButton*>(QStringLiteral("Command1")));
        });
        trigger("MnPreferences");
        QCOMPARE(p.highlightColour, kGreen);
    }

    void teachingViewsOpenModally() {
        bool seen = false;
        closeWhenShown(&mainWindow(), "FrmGates", &seen);
        trigger("mnLogicGates");
        QVERIFY(seen);
        seen = false;
        closeWhenShown(&mainWindow(), "FrmMem", &seen);
        trigger("MnuMemory");
        QVERIFY(seen);
        seen = false;
        closeWhenShown(&mainWindow(), "FrmGates", &seen);
        trigger("mnLogicGates"); // shown again, not created again
        QVERIFY(seen);
        QCOMPARE(mainWindow().findChildren<QDialog*>(QStringLiteral("FrmGates")).size(), 1);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
