// The whole program on its real windows, offscreen: each control and menu
// item reaches its command (what the commands do is the models' tests' part),
// and the paths where students met faults.
#include "SessionFixture.h"
#include "demo/Demonstration.h"
#include "demo/views/DemonstrationWindow.h"
#include "help/views/HelpWindow.h"
#include "machineview/MachineViewModel.h"
#include "machineview/views/ClockChartWindow.h"
#include "machineview/views/ClockPicture.h"
#include "machineview/views/DiagramPanel.h"
#include "machineview/views/MachineViewWindow.h"
#include "machineview/views/MachineViewWindows.h"
#include "mainwindow/views/AboutWindow.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/OutputWindow.h"
#include "mainwindow/views/PreferencesDialog.h"
#include "mainwindow/views/SoundPlayer.h"
#include "mainwindow/views/WaitIntervalDialog.h"
#include "mainwindow/views/ZebSession.h"
#include "mainwindow/views/accessibility/SpokenAnnouncements.h"
#include "mainwindow/views/fields/FieldPanel.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSlider>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtMath>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>

using namespace zeb;
using namespace zeb::views;
using namespace zeb::test;
using zeb::help::views::HelpWindow;
using zeb::machineview::views::ClockChartWindow;
using zeb::machineview::views::ClockPicture;

namespace {

const char kCount[] = " 0|  1| 11|\r\n 1|  9| 10|\r\n 2| 12|   |\r\n 3|  4| 12|\r\n"
                      " 4|  7|  1|\r\n10|  0|   |\r\n11|   |  9|\r\n12|   |  1|\r\n"
                      "# RUN LOG:\r\n";

// The control a student uses for a command, as the demonstration names it.
QString objectNameOf(UserCommand command) {
    const char* names[] = {"runicon",   "stepicon",    "halticon",   "backicon", "pciconl",
                           "clearicon", "Operator_%1", "Operand_%1", "pads_%1"};
    const QString name = QLatin1String(names[static_cast<int>(command.command)]);
    return name.endsWith(QLatin1String("%1")) ? name.arg(command.target) : name;
}

QByteArray readFile(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& name, const QByteArray& data) {
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(name));
    f.write(data);
}

// Acts once, as soon as a condition holds, while a run keeps the test inside
// one click.
void when(std::function<bool()> condition, std::function<void()> action) {
    auto* timer = new QTimer;
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, [timer, condition, action] {
        if (!condition()) return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

// Whether a field is drawn with a frame: dark pixels just inside its border,
// on every side, where only its background would be.
bool framed(QWidget* field) {
    const QImage image = field->grab().toImage();
    const int w = image.width(), h = image.height();
    const int inset = qCeil(image.devicePixelRatio()); // past the border of one logical pixel
    for (QPoint p : {QPoint(inset, h / 2), QPoint(w - 1 - inset, h / 2), QPoint(w / 2, inset)})
        if (qGray(image.pixel(p)) > 60) return false;
    return true;
}

// WCAG contrast ratio of two colours.
double contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString spoken(QObject* object, QAccessible::Text t = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(t) : QString();
}

struct Cell {
    int address;
    const char* op;
    const char* opd;
};

// Calls the action at every wait of the Machine view, once the wait has
// begun; an action still waiting for the event loop when the script ends is
// dropped.
struct AtEveryWait : machineview::MachineViewObserver {
    std::function<void(int wait)> action;
    int waits = 0;
    QObject alive;
    void stepWaiting() override {
        const int n = ++waits;
        QTimer::singleShot(0, &alive, [this, n] { action(n); });
    }
};

QRect globalRect(const QWidget* w) {
    return {w->mapToGlobal(QPoint(0, 0)), w->size()};
}

// Whether a window of `size` fits somewhere on `screen` at least 4 pixels
// clear of all of `avoid`: tried everywhere, 2 pixels apart.
bool roomFor(QSize size, const QRect& screen, const QList<QRect>& avoid) {
    for (int y = screen.top(); y + size.height() <= screen.bottom() + 1; y += 2)
        for (int x = screen.left(); x + size.width() <= screen.right() + 1; x += 2) {
            const QRect r = QRect(QPoint(x, y), size).adjusted(-4, -4, 4, 4);
            if (std::none_of(avoid.begin(), avoid.end(),
                             [&r](const QRect& a) { return a.intersects(r); }))
                return true;
        }
    return false;
}

} // namespace

class MainWindowTest : public QObject, SessionFixture {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const char* name) { return dir.filePath(QLatin1String(name)); }
    QString paper(int line) {
        return child<QLineEdit>(QStringLiteral("lineicons_%1").arg(line))->text();
    }
    QString reg(const char* name) { return child<FieldPanel>(QLatin1String(name))->text(); }
    QString fileName() {
        return QString::fromStdString(s->zeb().machine().view().currentFileName());
    }
    QString pc() { return reg("pcicon").trimmed(); }
    QRect around(const QStringList& names) {
        QRect r;
        for (const QString& name : names)
            r |= globalRect(child(name));
        return r;
    }
    void print(const QString& file, int copies) {
        s->printCommands().printDialog = [file, copies](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setCopyCount(copies);
            return true;
        };
        trigger("mnuPrinter");
    }
    using SessionFixture::click;
    void click(const char* name) { click(child(QLatin1String(name))); }
    void fast() { child<QSlider>(QStringLiteral("speed"))->setValue(10); }
    void answerFileDialog(const QString& name) {
        s->host().fileDialog = [name](zeb::FileDialog, std::string_view) {
            return name.toStdString();
        };
    }
    void activate(QWidget* w) {
        w->activateWindow();
        QTRY_VERIFY(w->isActiveWindow());
    }
    machineview::views::MachineViewWindows& view() { return s->machineView(); }
    template <typename W = QWidget> W* viewChild(const char* name) {
        W* w = view().window()->findChild<W*>(QLatin1String(name));
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QString viewPanel(const char* name) {
        view().window()->refresh();
        return viewChild<machineview::views::DiagramPanel>(name)->text().trimmed();
    }
    void viewClick(const char* name) { click(viewChild(name)); }
    // Run, Stop, Cancel and the wait box: which are offered.
    QString viewButtons() {
        view().window()->refresh();
        QString on;
        for (const char* b : {"CmdRun", "CmdStop", "CmdCancel", "ChkWait"})
            on += viewChild(b)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return on;
    }
    Machine& program(std::initializer_list<Cell> cells) {
        for (const Cell& c : cells) {
            s->zeb().machine().setOperatorText(c.address, c.op);
            s->zeb().machine().setOperandText(c.address, c.opd);
        }
        return s->zeb().machine();
    }
    // Opens the Machine view on a program, stepping without fixed periods.
    void openView(std::initializer_list<Cell> cells, bool waitForContinue) {
        program(cells);
        trigger("mnFullMachine");
        s->zeb().machine().view().setWaitInterval(0);
        s->zeb().machine().runState().setSpeed(10);
        viewChild<QCheckBox>("ChkWait")->setChecked(waitForContinue);
    }
    void pointAt(QWidget* w) {
        QTest::mouseMove(mainWindow().windowHandle(), w->mapTo(&mainWindow(), w->rect().center()));
    }
    QString statusBar() { return child<QLabel>(QStringLiteral("PnlStatus"))->text(); }
    HelpWindow* help() { return s->help().window(); }
    QString helpPage() { return help()->currentPage().fileName(); }
    // Triggers the menu item or clicks the control of that name, in the
    // Machine view while it is open.
    void use(const QString& name) {
        QWidget* v = view().window();
        if (v && v->isVisible()) {
            if (auto* item = v->findChild<QAction*>(name)) return item->trigger();
            return click(v->findChild<QWidget*>(name));
        }
        if (QAction* item = mainWindow().action(name)) return item->trigger();
        click(child(name));
    }
    QString helpFilter() {
        return help()->findChild<QLineEdit*>(QStringLiteral("IndexFilter"))->text();
    }
    // One row per name, its text in the column "row".
    static void rowsNamed(std::initializer_list<const char*> names) {
        QTest::addColumn<QString>("row");
        for (const char* name : names)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void key(int k, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(&mainWindow(), static_cast<Qt::Key>(k), mods);
    }
    // Runs the Machine view with `action` at each of its waits; the waits it took.
    int runView(std::function<void(int wait)> action) {
        AtEveryWait script;
        script.action = std::move(action);
        view().model()->display().addObserver(&script);
        viewClick("CmdRun");
        view().model()->display().removeObserver(&script);
        return script.waits;
    }
    // Types the keys on the Input window as soon as it shows, then OK, and
    // keeps what it read out before OK. A window that took no click: the
    // program ends, which ends the wait.
    QString inputHeard;
    void answerInput(std::vector<const char*> keys) {
        when([this] { return s->inputWindow().isVisible(); },
             [this, keys] {
                 InputWindow& input = s->inputWindow();
                 for (const char* k : keys)
                     click(input.findChild<QWidget*>(QLatin1String(k)));
                 inputHeard = spoken(input.findChild<QWidget*>(QStringLiteral("PnlInput")));
                 click(input.findChild<QWidget*>(QStringLiteral("Command1")));
                 if (input.isVisible()) mainWindow().close();
             });
    }
    bool menusEnabled() { return mainWindow().action(QStringLiteral("filedummy1"))->isEnabled(); }

    // The main window's title and menu bars, and its keypad and run controls.
    QList<QRect> mainWindowMustShow() {
        const QRect frame = mainWindow().frameGeometry();
        const int clientTop = globalRect(mainWindow().centralWidget()).top();
        QStringList controls{"clearicon", "runicon", "stepicon", "halticon", "speed"};
        for (int i = 0; i <= 16; ++i)
            controls << QStringLiteral("pads_%1").arg(i);
        return {QRect(frame.topLeft(), QPoint(frame.right(), clientTop - 1)), around(controls)};
    }

    // The input window's title bar and the digits typed.
    QRect inputMustShow() {
        const QRect frame = s->inputWindow().frameGeometry();
        const int bottom =
            globalRect(s->inputWindow().findChild<QWidget*>(QStringLiteral("PnlInput"))).bottom();
        return QRect(frame.topLeft(), QPoint(frame.right(), bottom));
    }

    // The registers with their labels and buttons, and the rows of the
    // program around the program counter (at 0 here).
    QList<QRect> machineMustShow() {
        QList<QRect> rects;
        for (const char* name : {"accicon", "acciconl", "pcicon", "pciconl", "PnlStatusReg",
                                 "LblStatus", "PnlInterrupt", "LblInterrupt"})
            rects.append(around({QLatin1String(name)}));
        QStringList rows;
        for (int a = 0; a <= 5; ++a)
            rows << QStringLiteral("Operator_%1").arg(a) << QStringLiteral("Operand_%1").arg(a);
        return rects << around(rows);
    }

  private slots:
    // The user's configuration folder becomes one of the test's own.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        start();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow()));
        // The screen asked for, in device pixels (see the ctest entries).
        const QList<QByteArray> wanted = qgetenv("ZEB_TEST_SCREEN").split('x');
        const QSizeF size = QSizeF(mainWindow().screen()->geometry().size()) *
                            mainWindow().screen()->devicePixelRatio();
        // A fractional scale rounds the screen to whole logical pixels.
        if (wanted.size() == 2)
            QVERIFY(qAbs(size.width() - wanted[0].toInt()) < 2 &&
                    qAbs(size.height() - wanted[1].toInt()) < 2);
    }
    void cleanup() { s.reset(); }

    // Each menu item, key and button reaches its command once, in the order a
    // student would use them.
    void eachControlReachesItsCommand() {
        writeFile(path("C.ZEB"), kCount);
        QSignalSpy spokenSpy(mainWindow().findChild<SpokenAnnouncements*>(),
                             &SpokenAnnouncements::spoken);
        const auto heard = [&spokenSpy](const char* words) {
            return !spokenSpy.isEmpty() &&
                   spokenSpy.last().at(0).toString() == QLatin1String(words);
        };
        const auto green = [this](int a) {
            return field("Operator", a)->background() == QColor(Qt::green);
        };
        const auto said = [this](const char* words) {
            return messages.back().find(words) != std::string::npos;
        };
        const auto clock = [this](bool on) {
            return view().clockChart()->isVisible() == on &&
                   viewChild<QAction>("MnuShowClock")->isChecked() == on;
        };
        QString offered;
        QFont labelsFont;
        int interval = 0;
        bool intervalShown = false;
        bool aboutOffersOk = false;
        // What a screen reader reads of the About window's pictures.
        const auto aboutReads = [this] {
            QStringList names;
            for (const char* name : {"LblTitle", "LblVersion"})
                names << QAccessible::queryAccessibleInterface(
                             s->aboutWindow().findChild<QWidget*>(QLatin1String(name)))
                             ->text(QAccessible::Name);
            return names.join(QLatin1Char(' '));
        };
        // A row without `use` triggers the menu item or clicks the control it names.
        const struct {
            const char* control;
            std::function<void()> use;
            std::function<bool()> observed;
        } rows[] = {
            // The start-up screen holds up nothing.
            {"typing at start-up", [this] { QTest::keyClicks(&mainWindow(), QStringLiteral("7")); },
             [&] {
                 return text("Operator", 0) == "7" && s->aboutWindow().isVisible() &&
                        aboutReads() == "ZEB Version 2.7";
             }},
            // Help > About ends the start-up screen and offers OK.
            {"aboutmenu",
             [&] {
                 QTimer::singleShot(0, [&] {
                     auto* ok = s->aboutWindow().findChild<QPushButton*>(QStringLiteral("CmdOK"));
                     // What a screen reader speaks as the dialog comes up.
                     const QString spoken = QAccessible::queryAccessibleInterface(&s->aboutWindow())
                                                ->text(QAccessible::Description);
                     aboutOffersOk = ok && ok->isVisible() && s->aboutWindow().isModal() &&
                                     spoken == QLatin1String("ZEB Version 2.7");
                     ok ? click(ok) : s->aboutWindow().reject();
                 });
                 trigger("aboutmenu");
             },
             [&] { return aboutOffersOk && !s->aboutWindow().isVisible(); }},
            {"command line", [this] { QDir::setCurrent(dir.path()), s->openProgramFile("C.ZEB"); },
             [this] { return fileName() == path("C.ZEB") && text("Operator", 0) == "1"; }},
            {"fileopen",
             [&] { spokenSpy.clear(), answerFileDialog(path("C.ZEB")), trigger("fileopen"); },
             [&] { return heard("Opened C.ZEB") && text("Operator", 1) == "9"; }},
            {"Down", [this] { click(field("Operator", 15)), key(Qt::Key_Down), key(Qt::Key_7); },
             [this] { return text("Operator", 16) == "7"; }},
            {"pads_16", {}, [this] { return text("Operator", 16).isEmpty(); }},
            {"pads_5", {}, [this] { return text("Operator", 16) == "5"; }},
            // The pointer resting on a memory cell explains it in the status bar.
            {"pointer on Operator_7", [this] { pointAt(field("Operator", 7)); },
             [this] { return statusBar().contains(QLatin1String(" 7 Operator: ")); }},
            {"pointer on Operand_7", [this] { pointAt(field("Operand", 7)); },
             [this] { return statusBar().contains(QLatin1String(" 7 Operand: ")); }},
            {"stepicon", {}, [this] { return pc() == "1"; }},
            {"backicon", {}, [this] { return pc() == "0" && !child("backicon")->isEnabled(); }},
            {"acciconl", [this] { click("stepicon"), click("acciconl"); },
             [this] { return reg("accicon") == "     0" && pc() == "1"; }},
            {"pciconl", {}, [this] { return pc() == "0"; }},
            {"runicon", [this] { fast(), click("runicon"); },
             [this] {
                 return !s->zeb().machine().runState().running() && pc() == "10" && paper(1) == "1";
             }},
            {"printicon", {}, [this] { return paper(1).isEmpty() && paper(2) == "1"; }},
            {"MnStackPointer", {}, [this] { return child("PnlStackPtr")->isVisible(); }},
            {"mnStatus", {}, [this] { return child("LblStatus")->isVisible(); }},
            // The Output window, made when first shown, shows the cells as
            // they were then and follows them.
            {"MnuOutput",
             [this] {
                 Machine& m = s->zeb().machine();
                 m.setOperator(69, 0, NumberBase::Decimal);
                 m.setOperand(69, 'H', NumberBase::Decimal);
                 use("MnuOutput");
                 m.setOperator(70, 0, NumberBase::Decimal);
                 m.setOperand(70, 'I', NumberBase::Decimal);
             },
             [this] {
                 return child("FrmOutput")->isVisible() &&
                        child<FieldPanel>("PnlOutput")->text().startsWith("HI");
             }},
            {"MnuInterrupts", {}, [this] { return child("FrmKeyB")->isVisible(); }},
            {"FrmKeyB close box", [this] { s->keyboardWindow().close(); },
             [this] {
                 return !s->zeb().display().get(Flag::KeyboardVisible) &&
                        !mainWindow().action(QStringLiteral("MnuInterrupts"))->isChecked();
             }},
            // The Machine view on the program loaded, its controls too.
            {"mnFullMachine",
             {},
             [this] { return !mainWindow().isVisible() && mainWindow().inputBlocked(); }},
            {"GridMemory",
             [this] {
                 auto* grid = viewChild<QTableWidget>("GridMemory");
                 QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                   grid->visualItemRect(grid->item(3, 1)).center());
             },
             [&] { return said("no input address"); }},
            {"PnlIns", [this] { viewChild<QCheckBox>("ChkIns")->setChecked(true), use("PnlIns"); },
             [this] { return viewPanel("PnlIns") == "1" && viewPanel("PnlOperand") == "11"; }},
            {"Panel3D1", {}, [this] { return s->zeb().machine().acc() == std::optional(9); }},
            {"PnlACC", {}, [&] { return said("not connected"); }},
            // The wait interval's window is usable while the view is open.
            {"MnFixedPeriods",
             [&] {
                 interval = s->zeb().machine().view().waitInterval();
                 QTimer::singleShot(0, [&] {
                     WaitIntervalDialog& d = s->waitIntervalDialog();
                     intervalShown = d.isVisible() && d.isModal();
                     click(d.findChild<QWidget*>(QStringLiteral("Spin1_Up")));
                     click(d.findChild<QWidget*>(QStringLiteral("Command1")));
                     d.hide(); // a window that took no click must not keep the test waiting
                 });
                 use("MnFixedPeriods");
             },
             [&] {
                 return intervalShown && s->zeb().machine().view().waitInterval() == interval + 1;
             }},
            // Outside a run the chart is not kept above the view.
            {"MnuShowClock",
             {},
             [this] {
                 return view().clockChart()->isVisible() &&
                        !(view().clockChart()->windowFlags() & Qt::WindowStaysOnTopHint);
             }},
            {"PicClock", [this] { QTest::mouseDClick(viewChild("PicClock"), Qt::LeftButton); },
             [&] { return clock(false); }},
            {"MnuShowClock", {}, [&] { return clock(true); }},
            {"chart's Hide",
             [this] {
                 click(view().clockChart()->findChild<QWidget*>(QStringLiteral("Command1")));
             },
             [&] { return clock(false); }},
            {"CmdCancel",
             {},
             [this] {
                 return !view().window()->isVisible() && mainWindow().isVisible() &&
                        !mainWindow().inputBlocked();
             }},
            {"MnHexadecimal",
             {},
             [this] { return text("Operand", 0) == "B" && !s->outputWindow().isVisible(); }},
            {"mnDissassemble", {}, [this] { return text("Operator", 0) == "LDA"; }},
            {"savefile", [this] { answerFileDialog(path("H.ZEB")), trigger("savefile"); },
             [&] { return heard("Saved H.ZEB") && readFile(path("H.ZEB")).startsWith(" 0|LDA|"); }},
            {"MnuSave", [this] { answers = {Answer::Cancel}, trigger("MnuSave"); },
             [&] { return said("already exists"); }},
            {"Shift+click", [this] { click(field("Operator", 3), Qt::ShiftModifier); },
             [&] { return green(3); }},
            {"Shift+Down", [this] { key(Qt::Key_Down), key(Qt::Key_Down, Qt::ShiftModifier); },
             [&] { return green(3) && green(4) && green(5); }},
            {"Shift+Space", [this] { key(Qt::Key_Down), key(Qt::Key_Space, Qt::ShiftModifier); },
             [&] { return green(6); }},
            {"Ctrl+C", [this] { key(Qt::Key_C, Qt::ControlModifier); },
             [] { return QApplication::clipboard()->text().count(QLatin1Char('\n')) == 4; }},
            {"Ctrl+V",
             [this] { click(field("Operator", 70)), key(Qt::Key_V, Qt::ControlModifier); },
             [this] { return text("Operator", 71) == "JMP"; }},
            {"mPaste", [this] { click(field("Operator", 79)), trigger("mPaste"); },
             [&] { return said("beyond end"); }},
            {"mnuPrinter", [this] { print(path("listing.pdf"), 2); },
             [this] {
                 return readFile(path("listing.pdf")).startsWith("%PDF") &&
                        readFile(path("listing (2).pdf")).startsWith("%PDF");
             }},
            {"mnuPrinter failing",
             [this] { print(QStringLiteral("/nonexistent-folder/x.pdf"), 1); },
             [this] { return messages.back().rfind("Failed to print. - ", 0) == 0; }},
            {"MnuFonts",
             [&] {
                 s->printCommands().fontDialog = [&offered](const QFont& initial) {
                     offered = initial.family();
                     return std::optional<QFont>(QFont(QStringLiteral("DejaVu Sans Mono")));
                 };
                 trigger("MnuFonts");
             },
             [&] {
                 return offered == field("Operator", 0)->font().family() &&
                        s->printerFont().name == "DejaVu Sans Mono";
             }},
            {"MnPreferences",
             [&] {
                 labelsFont = child("PicMem_4")->font();
                 QTimer::singleShot(0, &mainWindow(), [this] {
                     auto* pref = mainWindow().findChild<PreferencesDialog*>();
                     pref->colourDialog = [](Colour) { return std::optional<Colour>(kGreen); };
                     pref->fontDialog = [](const QFont&) {
                         return std::optional<QFont>(QFont(QStringLiteral("DejaVu Sans"), 14));
                     };
                     for (const char* b : {"Command3", "Command4", "ChkSound", "Command2"})
                         pref->findChild<QAbstractButton*>(QLatin1String(b))->click();
                 });
                 trigger("MnPreferences");
             },
             [&] {
                 return s->zeb().preferences().highlightColour == kGreen &&
                        !s->zeb().preferences().soundOn &&
                        field("Operator", 7)->font().family() == "DejaVu Sans" &&
                        child("PicMem_4")->font() == labelsFont;
             }},
            {"clearicon", {}, [this] { return text("Operator", 0).isEmpty(); }},
            {"MnuNew", {}, [this] { return fileName().isEmpty(); }},
            // Typing fills the field while the slider has the keys (the Tab
            // route is the screen reader client's part); a clicked key leaves
            // the keys with the grid.
            {"speed",
             [this] {
                 activate(&mainWindow());
                 child("speed")->setFocus(Qt::TabFocusReason);
                 QTest::keyClicks(child("speed"), QStringLiteral("5"));
             },
             [this] { return text("Operator", 0) == "5"; }},
            {"pads_7", {}, [this] { return QApplication::focusWidget() == &mainWindow(); }},
            {"zebscreen",
             [this] {
                 trigger("zebscreen");
                 // A caret the reader follows line by line.
                 QTest::keyClick(help()->findChild<QTextBrowser*>(QStringLiteral("HelpPage")),
                                 Qt::Key_Down);
             },
             [this] {
                 return help()->isVisible() && helpPage() == "index.html" &&
                        help()->findChild<QTextBrowser*>()->textCursor().position() > 0;
             }},
            {"Instruction", {}, [this] { return helpPage() == "using-help.html"; }},
            {"tutmenu",
             {},
             [this] {
                 return help()->currentTab() == HelpWindow::Tab::Index && helpFilter().isEmpty();
             }},
            // The guide lies beside zeb, not beside this test: nothing is said.
            {"MMGuide", [this] { messages.clear(), trigger("MMGuide"); },
             [this] { return messages.empty(); }},
            {"MnDemonstration",
             {},
             [this] { return s->demonstrationWindow().isVisible() && !menusEnabled(); }},
            {"CmdHelp", [this] { click(s->demonstrationWindow().findChild<QWidget*>("CmdHelp")); },
             [this] { return helpPage() == "index.html"; }},
            {"demonstration's close box", [this] { s->demonstrationWindow().close(); },
             [this] { return menusEnabled() && !s->zeb().machine().view().demoMode(); }},
        };
        for (const auto& row : rows) {
            row.use ? row.use() : use(QLatin1String(row.control));
            QTRY_VERIFY2(row.observed(), row.control);
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
        when([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); },
             [&shown] { shown = true, QApplication::activeModalWidget()->close(); });
        trigger("fileopen");
        QVERIFY(shown);
        s.reset();
        QVERIFY2(!config.exists() || config.isEmpty(),
                 qPrintable(config.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(' ')));
    }

    // An installed layout: bin/zeb and share/zeb/step.wav.
    void soundsAreFoundBesideTheProgramOrInAnInstalledShare() {
        QDir(dir.path()).mkpath(QStringLiteral("bin"));
        QDir(dir.path()).mkpath(QStringLiteral("share/zeb"));
        writeFile(path("share/zeb/step.wav"), "RIFF");
        writeFile(path("bin/honk.wav"), "RIFF");
        const QString bin = path("bin");
        SoundPlayer sounds({bin, bin + QStringLiteral("/../share/zeb")});
        QCOMPARE(sounds.locate(QStringLiteral("step.wav")),
                 QDir::cleanPath(path("share/zeb/step.wav")));
        QCOMPARE(sounds.locate(QStringLiteral("honk.wav")), path("bin/honk.wav"));
        QCOMPARE(sounds.locate(QStringLiteral("none.wav")), QString());
    }

    // Whatever its colour, the field that typing changes is framed while the
    // window has the keyboard, and it is the only one.
    void theFieldTypingChangesIsFramed_data() {
        rowsNamed({"clicked", "runicon", "stepicon", "halticon", "MnHexadecimal", "mnDissassemble",
                   "MnuNew"});
    }
    void theFieldTypingChangesIsFramed() {
        QFETCH(QString, row);
        const QString action = row == QLatin1String("clicked") ? QString() : row;
        activate(&mainWindow());
        program({{0, "1", "5"}, {1, "0", ""}, {5, "", "9"}}); // LDA 5, HLT; 9 in cell 5
        click(field("Operand", 5));
        if (action.endsWith(QLatin1String("icon")))
            click(action.toLatin1().constData());
        else if (!action.isEmpty())
            trigger(action.toLatin1().constData());
        QList<FieldPanel*> framedFields;
        for (const char* kind : {"Operator", "Operand"})
            for (int a = 0; a < 80; ++a)
                if (framed(field(kind, a))) framedFields << field(kind, a);
        const FieldPanel* current =
            action == QLatin1String("MnuNew") ? field("Operator", 0) : field("Operand", 5);
        QCOMPARE(framedFields, QList<FieldPanel*>{const_cast<FieldPanel*>(current)});
        // Typing goes where the frame is.
        const QString old = current->text();
        QTest::keyClicks(&mainWindow(), QStringLiteral("1"));
        QCOMPARE(current->text(), old.trimmed() + QLatin1Char('1'));
        // Without the keyboard, no frame.
        trigger("MnuInterrupts");
        s->keyboardWindow().activateWindow();
        QTRY_VERIFY(!mainWindow().isActiveWindow());
        QTRY_VERIFY(!framed(field("Operand", 5)) && !framed(field("Operator", 0)));
    }

    // Reached with Tab, a control explains itself as it does under the pointer.
    void statusBarFollowsTheKeyboardFocus_data() {
        rowsNamed({"pads_0", "pads_16", "runicon", "pciconl"});
    }
    void statusBarFollowsTheKeyboardFocus() {
        QFETCH(QString, row);
        const QString& control = row;
        QLabel* status = child<QLabel>(QStringLiteral("PnlStatus"));
        QWidget* w = child(control);
        QTest::mouseMove(mainWindow().windowHandle(), w->mapTo(&mainWindow(), w->rect().center()));
        QTRY_VERIFY(!status->text().isEmpty());
        const QString expected = status->text();
        s->zeb().display().setStatusText("");
        activate(&mainWindow());
        w->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(status->text(), expected);
    }

    // The focus mark of a keypad key and of the slider stands out at least
    // 3:1 from what it covers, all round the control.
    void focusMarksAreClearlyVisible_data() { rowsNamed({"pads_5", "pads_16", "speed"}); }
    void focusMarksAreClearlyVisible() {
        QFETCH(QString, row);
        QWidget* w = child(row);
        activate(&mainWindow());
        const QImage plain = w->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(w->hasFocus());
        const QImage marked = w->grab().toImage();
        QCOMPARE(marked.size(), plain.size());
        int strong = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (contrast(plain.pixel(x, y), marked.pixel(x, y)) >= 3.0) ++strong;
        // At least one line of pixels all round it.
        const int perimeter = 2 * (plain.width() + plain.height());
        QVERIFY2(strong >= perimeter,
                 qPrintable(QStringLiteral("%1 of %2").arg(strong).arg(perimeter)));
    }

    // The function keys work from the main window and from the device
    // windows.
    void runControlsTakeFunctionKeys_data() { rowsNamed({"Form1", "FrmKeyB", "FrmOutput"}); }
    void runControlsTakeFunctionKeys() {
        QFETCH(QString, row);
        const QString& window = row;
        trigger("MnuInterrupts");
        trigger("MnuOutput");
        QWidget* target = window == QLatin1String("Form1") ? &mainWindow() : child(window);
        activate(target);
        Machine& m = program({{0, "1", "5"}, {1, "7", "1"}}); // LDA 5, then JMP 1 until stopped
        QTest::keyClick(target, Qt::Key_F10);
        QCOMPARE(reg("pcicon"), QStringLiteral("     1"));
        fast();
        bool stoppedByKey = false;
        QTimer::singleShot(50, this, [&] {
            // Back is off and the Keyboard window stays on top during the run.
            stoppedByKey = m.runState().running() && !child("backicon")->isEnabled() &&
                           s->keyboardWindow().windowFlags() & Qt::WindowStaysOnTopHint;
            QTest::keyClick(target, Qt::Key_F5, Qt::ShiftModifier);
        });
        // Should the key do nothing, the run ends all the same.
        QObject guard;
        bool guarded = false;
        QTimer::singleShot(5000, &guard, [&] { guarded = true, s->zeb().run().stop(); });
        QTest::keyClick(target, Qt::Key_F5);
        QVERIFY(!guarded);
        QVERIFY(stoppedByKey);
        QVERIFY(!m.runState().running());
        // JMP 1 leaves the program counter as it was: the status says what Back undid.
        QTest::keyClick(target, Qt::Key_F9);
        QTRY_VERIFY(
            child<QLabel>(QStringLiteral("PnlStatus"))->text().startsWith("Back: undid JMP"));
    }

    // A typed character presses its own key, whichever key has the focus;
    // RIN, stepped with F10 from the Keyboard window, reads its code.
    void theKeyboardWindowTakesTypedKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code"); // 0: no key is pressed
        QTest::newRow("a") << int(Qt::Key_A) << 65;
        QTest::newRow("Z") << int(Qt::Key_Z) << 90;
        QTest::newRow("7") << int(Qt::Key_7) << 55;
        QTest::newRow("space") << int(Qt::Key_Space) << 32;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0;
        QTest::newRow("+") << int(Qt::Key_Plus) << 0;
    }
    void theKeyboardWindowTakesTypedKeys() {
        QFETCH(int, key);
        QFETCH(int, code);
        s->zeb().machine().setOperatorText(0, "15"); // RIN
        trigger("MnuInterrupts");
        KeyboardWindow& keyboard = s->keyboardWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
        activate(&keyboard);
        // The "1" key has the focus, as after Tab.
        auto* one = keyboard.findChild<QPushButton*>(QStringLiteral("cmdKey_28"));
        one->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(one->hasFocus());
        QTest::keyClick(one, static_cast<Qt::Key>(key),
                        key == Qt::Key_Z ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(reg("PnlInterrupt"), code ? QStringLiteral("1") : QStringLiteral("0"));
        if (!code) return;
        QTest::keyClick(one, Qt::Key_F10);
        QCOMPARE(reg("accicon").trimmed(), QString::number(code));
    }

    // The Input window's keys, read out as typed; the keys come back to the
    // main window, not to the Output window on top.
    void theInputWindowPromptsAndReadsItsDigits() {
        program({{0, "11", ""}, {1, "12", ""}, {2, "0", ""}}); // INP, OUT, HLT
        trigger("MnuOutput");
        answerInput({"CmdNumber_4", "CmdNumber_3", "Command3D1", "CmdNumber_2"});
        click("runicon");
        QCOMPARE(inputHeard, QStringLiteral("Number entered, 42"));
        QCOMPARE(paper(1), QStringLiteral("42"));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&mainWindow()));
        QCOMPARE(QAccessible::queryAccessibleInterface(&s->inputWindow())->role(),
                 QAccessible::Dialog);
    }

    // The run controls say how a run ended, a stop or an error, in their own
    // words, and a reset PC leaves nothing of it.
    void stopAndErrorsEndTheRunInTheirOwnWords() {
        program({{0, "7", "0"}}); // JMP 0
        QSignalSpy said(mainWindow().findChild<SpokenAnnouncements*>(),
                        &SpokenAnnouncements::spoken);
        child<QSlider>(QStringLiteral("speed"))->setValue(1);
        QTimer::singleShot(300, &mainWindow(), [this] { click("halticon"); });
        click("runicon");
        QCOMPARE(said.last().at(0).toString(), QStringLiteral("Stopped at 0"));
        QCOMPARE(spoken(child("runicon"), QAccessible::Description),
                 QStringLiteral("Stopped at 0"));
        click("pciconl");
        QVERIFY(!spoken(child("runicon"), QAccessible::Description).contains("Stopped"));
        // An empty memory: the message box's own words.
        click("clearicon");
        messages.clear();
        click("runicon");
        QCOMPARE(messages.size(), std::size_t{1});
        const QString box = QString::fromStdString(messages.front()).section(" - ", 0, 0);
        QCOMPARE(said.last().at(0).toString(), QStringLiteral("Program stopped: ") + box);
    }

    // Back in the second instruction's cycles: that instruction finishes
    // unseen and is undone; F9 then undoes the first, between instructions,
    // and the next Run shows the first instruction again from cycle 1.
    void backUndoesTheInstructionWhoseCyclesShow() {
        openView({{0, "1", "5"}, {1, "1", "6"}, {2, "0", "0"}, {5, "0", "3"}, {6, "0", "4"}}, true);
        const auto shown = [this] {
            view().window()->refresh();
            return QStringList{viewPanel("PnlPC"),
                               viewPanel("PnlACC"),
                               viewChild<QLabel>("lblClock")->text(),
                               viewChild<QLabel>("PnlStatus")->text(),
                               QString::number(viewChild("CmdBack")->isEnabled()),
                               QString::number(viewChild("CmdRun")->isEnabled())};
        };
        QStringList atFirstWait;
        QCOMPARE(runView([&](int wait) {
                     if (wait == 1) atFirstWait = shown();
                     viewClick(wait == 18 ? "CmdBack" : "CmdContinue");
                 }),
                 18);
        QCOMPARE(s->zeb().machine().pc(), std::optional<std::int32_t>(1));
        QCOMPARE(s->zeb().machine().acc(), std::optional<std::int32_t>(3));
        QCOMPARE(shown(), (QStringList{"1", "3", "Cycle 0", "Back: undid LDA 6 at 1", "1", "1"}));

        view().window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view().window()));
        QTest::keyClick(view().window()->windowHandle(), Qt::Key_F9);
        QTRY_COMPARE(shown(),
                     (QStringList{"0", "0", "Cycle 0", "Back: undid LDA 5 at 0", "0", "1"}));

        const QStringList first = atFirstWait;
        runView([&](int) { atFirstWait = shown(), viewClick("CmdStop"); });
        // The registers' panels read "0" before the first run.
        QCOMPARE(atFirstWait.mid(2), first.mid(2));
        QCOMPARE(atFirstWait[2], QStringLiteral("Cycle 1"));
    }

    // Run pressed at once after Stop: the new run starts after the stopped
    // one has finished its instruction, and ends as a run alone does.
    void runRightAfterStopEndsInTheHaltState() {
        openView({{0, "1", "5"}, {1, "0", "0"}, {5, "0", "12"}}, true);
        const auto ending = [this] {
            return QStringList{viewButtons(), viewChild<QLabel>("lblClock")->text(),
                               viewPanel("TxtExplain"), viewChild<QLabel>("PnlStatus")->text()};
        };
        const int waitsAlone = runView([this](int) { viewClick("CmdContinue"); });
        const QStringList alone = ending();
        s->zeb().machine().resetPC();
        const int waits = runView([this](int wait) {
            if (wait == 4) viewClick("CmdStop");
            viewClick(wait == 4 ? "CmdRun" : "CmdContinue");
        });
        QCOMPARE(ending(), alone);
        QVERIFY(waits > waitsAlone / 2);
        QVERIFY(!s->zeb().machine().runState().running());
    }

    // Stop pressed as a run starts, while the paths close: nothing runs, and
    // Run is offered again.
    void stopAsAViewRunStartsEndsIt() {
        openView({{0, "1", "5"}, {1, "0", "0"}, {5, "0", "3"}}, true);
        struct StopAtOnce : machineview::MachineViewObserver {
            std::function<void()> press;
            void controlChanged(machineview::ViewControl control) override {
                if (control == machineview::ViewControl::StopButton && press)
                    std::exchange(press, {})();
            }
        } stopAtOnce;
        stopAtOnce.press = [this] { viewClick("CmdStop"); };
        view().model()->display().addObserver(&stopAtOnce);
        QCOMPARE(runView([this](int) { viewClick("CmdStop"); }), 0);
        view().model()->display().removeObserver(&stopAtOnce);
        QVERIFY(viewChild("CmdRun")->isEnabled());
        QCOMPARE(s->zeb().machine().pc(), std::optional<std::int32_t>(0));
    }

    // After an error only Stop is offered, until it is pressed.
    void anErrorLeavesOnlyStopUntilItIsPressed() {
        openView({{0, "1", "90"}}, false);
        viewClick("CmdRun");
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(viewButtons(), QStringLiteral("0100"));
        viewClick("CmdStop");
        QCOMPARE(viewButtons(), QStringLiteral("1011"));
    }

    // During a run the chart stays above the view, and the close box,
    // Cancel being off, brings the main window back and hides the chart.
    void clockChartAndCloseBoxDuringARun() {
        openView({{0, "1", "5"}, {1, "7", "0"}}, true);
        viewChild<QAction>("MnuShowClock")->trigger();
        ClockChartWindow* chart = view().clockChart();
        QTRY_VERIFY(chart->isVisible());
        bool onTop = false;
        runView([&](int wait) {
            onTop = chart->windowFlags() & Qt::WindowStaysOnTopHint;
            if (wait == 1)
                viewClick("CmdContinue");
            else
                view().window()->close();
        });
        QVERIFY(onTop);
        QTRY_VERIFY(!chart->isVisible());
        QVERIFY(!view().window()->isVisible());
        QVERIFY(mainWindow().isVisible() && !mainWindow().inputBlocked());
    }

    // Closed wherever a run waits, the program ends, and nothing is left
    // running or open.
    void closingTheMainWindowEndsTheProgramWhereverARunWaits_data() {
        rowsNamed({"main window run", "Input window", "view run", "view wait"});
    }
    void closingTheMainWindowEndsTheProgramWhereverARunWaits() {
        QFETCH(QString, row);
        const QString& where = row;
        const bool input = where == QLatin1String("Input window");
        // INP or JMP 0, then JMP 0
        Machine& m = program({{0, input ? "11" : "7", input ? "" : "0"}, {1, "7", "0"}});
        fast();
        bool blocked = true;
        if (where.startsWith(QLatin1String("view"))) {
            trigger("mnFullMachine");
            viewChild<QCheckBox>("ChkWait")->setChecked(true);
            const bool atAWait = where == QLatin1String("view wait");
            if (!atAWait) QTimer::singleShot(0, &mainWindow(), [this] { mainWindow().close(); });
            runView([&](int) {
                if (atAWait) mainWindow().close();
            });
            QVERIFY(!view().window()->isVisible());
        } else {
            when([&] { return input ? s->inputWindow().isVisible() : m.runState().running(); },
                 [&] {
                     // The Input window leaves nothing of the main window usable.
                     blocked = !input || (!child("Operator_0")->isEnabled() &&
                                          !mainWindow().menuBar()->isEnabled());
                     mainWindow().close();
                 });
            click("runicon");
        }
        QVERIFY(blocked);
        QCOMPARE(quits, 1);
        QVERIFY(!m.runState().running());
        QVERIFY(!mainWindow().isVisible() && !s->inputWindow().isVisible());
        QCOMPARE(m.view().viewMode(), ViewMode::Normal);
        QVERIFY(messages.empty());
    }

    // INP during a view run: the number is typed on the Input window's keys.
    void anInputDuringAViewRunIsTypedOnTheInputWindow() {
        openView({{0, "11", ""}, {1, "0", ""}}, false);
        answerInput({"CmdNumber_4", "CmdNumber_2"});
        viewClick("CmdRun");
        QVERIFY(messages.empty());
        QCOMPARE(s->zeb().machine().acc(), std::optional<std::int32_t>(42));
        QVERIFY(viewChild("CmdRun")->isEnabled());
    }

    // Run from 1280x1024 at scale 1 to 1920x1080 at scale 2 (see CMakeLists).
    void theViewFitsTheScreenWithItsTitleBarAndLegibleText() {
        trigger("mnFullMachine");
        QWidget* window = view().window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect area = window->screen()->availableGeometry();
        QVERIFY(area.contains(window->frameGeometry()));
        for (const QWidget* w : window->findChildren<QWidget*>())
            QVERIFY2(QFontInfo(w->font()).pixelSize() >= 8, qPrintable(w->objectName()));
        // Every control stays inside the drawing.
        QWidget* drawing = window->findChild<QWidget*>(QStringLiteral("PnlStatus"))->parentWidget();
        for (const QWidget* w : drawing->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(drawing->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    // Help opened and closed before: the view's Help button still opens it,
    // usable, at the view's keyword.
    void theMachineViewsHelpWorksAfterHelpWasOpened() {
        trigger("zebscreen");
        help()->close();
        trigger("mnFullMachine");
        auto* button = viewChild<QPushButton>("Command1");
        QVERIFY(button->isEnabled());
        click(button);
        QVERIFY(help()->isVisible() && help()->isEnabled());
        QCOMPARE(helpFilter(), QStringLiteral("machine simulator"));
        click(viewChild("CmdCancel"));
    }

    // Beside the main window where the screen has room for a readable help
    // window, on the screen always.
    void helpOpensBesideTheMainWindow() {
        trigger("zebscreen");
        const QRect screen = help()->screen()->availableGeometry();
        const QRect main = mainWindow().frameGeometry(), frame = help()->frameGeometry();
        QVERIFY(screen.contains(frame));
        const int room = std::max(main.left() - screen.left(), screen.right() - main.right());
        if (room >= 600) QVERIFY(!frame.intersects(main));
    }

    // The help a teaching window's Help button opened is part of that window:
    // coming back from it keeps the demonstration where the student was.
    void theTeachingWindowsHelpButtonsOpenTheIndexAtTheirKeyword() {
        const std::pair<const char*, const char*> windows[] = {{"mnLogicGates", "Logic gates"},
                                                               {"MnuMemory", "Memory"}};
        for (const auto& [item, keyword] : windows) {
            QString filter;
            bool usable = false;
            QStringList shownBefore, shownAfter;
            // Nothing here may return early: the dialog must close for the test to go on.
            QTimer::singleShot(0, &mainWindow(), [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                const auto shown = [dialog] {
                    QStringList names;
                    for (const QWidget* w : dialog->findChildren<QWidget*>())
                        if (w->isVisible() && w->window() == dialog) names << w->objectName();
                    return names;
                };
                click(dialog->findChild<QPushButton*>(QStringLiteral("Command2")));
                shownBefore = shown();
                click(dialog->findChild<QPushButton*>(QStringLiteral("Command3")));
                filter = helpFilter();
                usable = help()->isVisible() && help()->parentWidget() == dialog &&
                         help()->currentTab() == HelpWindow::Tab::Index;
                // The student goes back from the help to the window: the
                // window system says so as it does, focus first.
                emit qGuiApp->focusWindowChanged(help()->windowHandle());
                QEvent activation(QEvent::WindowActivate);
                QApplication::sendEvent(dialog, &activation);
                shownAfter = shown();
                click(dialog->findChild<QPushButton*>(QStringLiteral("Command1")));
            });
            trigger(item);
            QCOMPARE(filter, QLatin1String(keyword));
            QVERIFY(usable);
            QCOMPARE(shownAfter, shownBefore);
        }
        // Opened from the menu again, help is the main window's.
        trigger("zebscreen");
        QCOMPARE(help()->parentWidget(), static_cast<QWidget*>(&mainWindow()));
    }

    // The device windows during a run that waits for input: none covers
    // what the student must see (run on several screens).
    void deviceWindowsLeaveTheControlsAndTheInputInSight() {
        // INP, OUT, JMP 0: waits for a number with both device windows shown.
        program({{0, "11", ""}, {1, "12", ""}, {2, "7", "0"}});
        trigger("MnuOutput");
        trigger("MnuInterrupts");
        QList<QWidget*> devices = {&s->outputWindow(), &s->keyboardWindow()};
        for (QWidget* w : devices)
            QVERIFY(QTest::qWaitForWindowExposed(w));
        mainWindow().controls().speedSlider->setValue(10);

        const QRect screen = mainWindow().screen()->geometry();
        bool checked = false;
        InputWindow& input = s->inputWindow();
        when([&input] { return input.isVisible(); },
             [&] {
                 // Whatever is found, the program ends.
                 auto end = qScopeGuard([&] { mainWindow().close(); });
                 QVERIFY(input.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
                 QList<QRect> mustShow = mainWindowMustShow();
                 mustShow.append(inputMustShow());
                 // Where the screen has room: the registers and the program, then
                 // the other device window.
                 const QList<QRect> machine = machineMustShow();
                 for (QWidget* w : devices) {
                     const QRect frame = w->frameGeometry();
                     const QRect other =
                         (w == devices.front() ? devices.back() : devices.front())->frameGeometry();
                     QVERIFY2(screen.contains(frame), qPrintable(w->windowTitle()));
                     QList<QRect> keep = mustShow;
                     if (roomFor(frame.size(), screen, mustShow + machine)) keep += machine;
                     if (roomFor(frame.size(), screen, mustShow + machine + QList<QRect>{other}))
                         keep.append(other);
                     for (const QRect& r : keep)
                         QVERIFY2(!frame.intersects(r), qPrintable(w->windowTitle()));
                 }
                 checked = true;
             });
        click("runicon");
        QVERIFY(checked);
    }
    // The lines between memory cells, as drawn at the scale the test runs at.
    void everyRowHasALineAbove() {
        QWidget* client = mainWindow().centralWidget();
        const QImage image = client->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        for (const char* kind : {"Operator", "Operand"})
            for (int a = 17; a < 32; ++a) {
                const QWidget* f = field(kind, a);
                const QPoint centre = f->geometry().center();
                const int x = static_cast<int>(centre.x() * scale);
                // Somewhere within a pixel of the cell's top edge, a line darker
                // than the grey of an empty cell.
                const int top = static_cast<int>(std::floor(f->y() * scale));
                bool line = false;
                for (int y = top - 1; y <= top + 1; ++y)
                    line = line || qGray(image.pixel(x, y)) < 150;
                QVERIFY2(line, qPrintable(f->objectName()));
            }
    }
    // Every entry of the demonstration clicked as the student does: the
    // window never covers the control an entry asks for, stays on the
    // screen, leaves the top to a run and lets a message box above it.
    void theStudentWalksThroughAllEntries() {
        auto& window = s->demonstrationWindow();
        auto* message = window.findChild<QPlainTextEdit*>(QStringLiteral("TxtDemo"));
        trigger("MnDemonstration");
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.isOnTop());
        // The message is read only.
        const QString first = message->toPlainText();
        message->setFocus();
        QTest::keyClicks(message, QStringLiteral("ab 1"));
        QTest::keyClick(message, Qt::Key_Return);
        QCOMPARE(message->toPlainText(), first);
        bool boxAboveDemonstration = false, demoOnTopDuringRun = true;
        while (s->demonstration().current().awaited || s->demonstration().current().nextEnabled) {
            const DemoEntry& entry = s->demonstration().current();
            const QString name = entry.awaited ? objectNameOf(*entry.awaited) : QString();
            QWidget* asked = name.isEmpty() ? window.findChild<QWidget*>(QStringLiteral("CmdNext"))
                                            : child(name);
            const QRect frame = window.frameGeometry();
            QVERIFY(window.screen()->geometry().contains(frame));
            QVERIFY2(name.isEmpty() || !frame.intersects(globalRect(asked)), qPrintable(name));
            if (name == QLatin1String("clearicon")) {
                // The real question, above the demonstration's window.
                s->messageBoxes().setAnswerer({});
                QTimer::singleShot(0, this, [&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    boxAboveDemonstration =
                        box && window.isOnTop() && box->windowFlags() & Qt::WindowStaysOnTopHint;
                    if (box) box->button(QMessageBox::Cancel)->click();
                });
            }
            if (name == QLatin1String("runicon"))
                QTimer::singleShot(0, this, [&] { demoOnTopDuringRun = window.isOnTop(); });
            const int before = s->demonstration().index();
            click(asked);
            QVERIFY2(s->demonstration().index() > before, qPrintable(name));
        }
        QVERIFY(boxAboveDemonstration);
        QVERIFY(!demoOnTopDuringRun);
        QVERIFY(window.isOnTop());
        // The last entry waits for Cancel.
        click(window.findChild<QWidget*>(QStringLiteral("Command2")));
        QVERIFY(!window.isVisible() && menusEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
