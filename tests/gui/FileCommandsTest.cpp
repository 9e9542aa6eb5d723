#include "SessionFixture.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/OutputWindow.h"
#include "mainwindow/views/PreferencesDialog.h"
#include "mainwindow/views/accessibility/SpokenAnnouncements.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
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

    QString path(const char* name) { return dir.filePath(QLatin1String(name)); }
    QString paper(int line) {
        return child<QLineEdit>(QStringLiteral("lineicons_%1").arg(line))->text();
    }
    void answerFileDialog(const QString& name) {
        s->host().fileDialog = [name](zeb::FileDialog, std::string_view) {
            return name.toStdString();
        };
    }

  private slots:
    // The user's configuration folder becomes one of the test's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
    }
    void cleanup() { s.reset(); }

    // Each menu item, key and button of the main window reaches its command
    // once, in the order a student would use them; what the commands do is
    // the models' tests' part.
    void eachControlReachesItsCommand() {
        writeFile(path("C.ZEB"), kCount);
        QSignalSpy spoken(mainWindow().findChild<views::SpokenAnnouncements*>(),
                          &views::SpokenAnnouncements::spoken);
        const auto heard = [&spoken](const char* words) {
            return !spoken.isEmpty() && spoken.takeLast().at(0).toString() == QLatin1String(words);
        };
        const auto register_ = [this](const char* name) {
            return child<views::FieldPanel>(QLatin1String(name))->text();
        };
        const struct {
            const char* control;
            std::function<void()> use;
            std::function<bool()> observed;
        } rows[] = {
            {"fileopen", [this] { answerFileDialog(path("C.ZEB")), trigger("fileopen"); },
             [&] { return heard("Opened C.ZEB") && text("Operator", 0) == "1"; }},
            {"Down",
             [this] {
                 click(field("Operator", 15));
                 QTest::keyClick(&mainWindow(), Qt::Key_Down);
                 QTest::keyClick(&mainWindow(), '7');
             },
             [this] { return text("Operator", 16) == "7"; }},
            {"pads_16", [this] { click(child("pads_16")); },
             [this] { return text("Operator", 16).isEmpty(); }},
            {"pads_5", [this] { click(child("pads_5")); },
             [this] { return text("Operator", 16) == "5"; }},
            {"stepicon", [this] { click(child("stepicon")); },
             [register_] { return register_("pcicon") == "     1"; }},
            {"F10", [this] { QTest::keyClick(&mainWindow(), Qt::Key_F10); },
             [register_] { return register_("pcicon") == "     2"; }},
            {"pciconl", [this] { click(child("pciconl")); },
             [register_] { return register_("pcicon") == "     0"; }},
            {"acciconl", [this] { click(child("acciconl")); },
             [register_] { return register_("accicon") == "     0"; }},
            {"runicon",
             [this] {
                 child<QSlider>("speed")->setValue(10);
                 click(child("runicon"));
             },
             [this, register_] {
                 return !s->zeb().machine.running() && register_("pcicon") == "    10" &&
                        paper(1) == "1";
             }},
            {"printicon", [this] { click(child("printicon")); },
             [this] { return paper(1).isEmpty() && paper(2) == "1"; }},
            {"MnStackPointer", [this] { trigger("MnStackPointer"); },
             [this] { return child("PnlStackPtr")->isVisible(); }},
            {"mnStatus", [this] { trigger("mnStatus"); },
             [this] { return child("LblStatus")->isVisible(); }},
            {"MnuOutput", [this] { trigger("MnuOutput"); },
             [this] { return s->outputWindow().isVisible(); }},
            {"MnuInterrupts", [this] { trigger("MnuInterrupts"); },
             [this] { return s->keyboardWindow().isVisible(); }},
            {"MnHexadecimal", [this] { trigger("MnHexadecimal"); },
             [this] { return text("Operand", 0) == "B" && !s->outputWindow().isVisible(); }},
            {"mnDissassemble", [this] { trigger("mnDissassemble"); },
             [this] { return text("Operator", 0) == "LDA"; }},
            {"savefile", [this] { answerFileDialog(path("H.ZEB")), trigger("savefile"); },
             [&] { return heard("Saved H.ZEB") && readFile(path("H.ZEB")).startsWith(" 0|LDA|"); }},
            {"MnuSave", [this] { answers = {Answer::Cancel}, trigger("MnuSave"); },
             [this] { return messages.back().find("already exists") != std::string::npos; }},
            {"Ctrl+C",
             [this] {
                 click(field("Operator", 3), Qt::ShiftModifier);
                 click(field("Operator", 4), Qt::ShiftModifier);
                 QTest::keyClick(&mainWindow(), Qt::Key_C, Qt::ControlModifier);
             },
             [] { return QApplication::clipboard()->text().count(QLatin1Char('\n')) == 2; }},
            {"Ctrl+V",
             [this] {
                 click(field("Operator", 70));
                 QTest::keyClick(&mainWindow(), Qt::Key_V, Qt::ControlModifier);
             },
             [this] { return text("Operand", 70) == "C" && text("Operator", 71) == "JMP"; }},
            {"mPaste", [this] { click(field("Operator", 79)), trigger("mPaste"); },
             [this] { return messages.back().find("beyond end") != std::string::npos; }},
            {"clearicon", [this] { click(child("clearicon")); },
             [this] { return text("Operator", 0).isEmpty(); }},
            {"MnuNew", [this] { trigger("MnuNew"); },
             [this] { return s->zeb().machine.currentFileName().empty(); }},
        };
        for (const auto& row : rows) {
            row.use();
            QVERIFY2(row.observed(), row.control);
        }
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
        QCOMPARE(s->printerFont().size, 12.0);
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
        QCOMPARE(p.memoryFont.name, std::string("DejaVu Sans"));
        QVERIFY(p.memoryFont.bold && !p.soundOn);
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
