// Opens the Logic Gates or the Memory window on its own, for trying the views
// out and for taking pictures of every demonstration:
//   zeb-teaching-demo gates|memory
//   zeb-teaching-demo --pictures DIR     writes one PNG per demonstration
#include "teaching/views/LogicGatesWindow.h"
#include "teaching/views/MemoryHardwareWindow.h"
#include "ui/ValuePanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTimer>

using zeb::teaching::views::LogicGatesWindow;
using zeb::teaching::views::MemoryHardwareWindow;

namespace {

void click(QWidget* window, const char* name) {
    if (auto* panel = window->findChild<zeb::ui::ValuePanel*>(QLatin1String(name)))
        emit panel->clicked();
    else if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(name)))
        button->click();
    else
        qFatal("no control %s", name);
}

void save(QWidget* window, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    window->grab().save(dir.filePath(name + QStringLiteral(".png")));
}

// Each demonstration in a state worth looking at.
int takePictures(const QDir& dir) {
    zeb::Preferences prefs;
    LogicGatesWindow gates(nullptr, prefs);
    gates.show();
    click(&gates, "PnlAndInput1");
    save(&gates, dir, QStringLiteral("gates-1-and"));
    click(&gates, "Command2");
    click(&gates, "PnlOrInput2");
    save(&gates, dir, QStringLiteral("gates-2-or"));
    click(&gates, "Command2");
    save(&gates, dir, QStringLiteral("gates-3-not"));
    click(&gates, "Command2");
    click(&gates, "CmdSet");
    click(&gates, "CmdContinue");
    click(&gates, "CmdContinue");
    save(&gates, dir, QStringLiteral("gates-4-flipflop"));
    click(&gates, "Command2");
    click(&gates, "PnlCFFControl");
    click(&gates, "PnlCFFData");
    save(&gates, dir, QStringLiteral("gates-5-controlled"));
    click(&gates, "Command2");
    click(&gates, "PnlHalfAdderA");
    save(&gates, dir, QStringLiteral("gates-6-halfadder"));
    click(&gates, "Command2");
    click(&gates, "PnlFullAdderA");
    click(&gates, "PnlFullAdderCin");
    save(&gates, dir, QStringLiteral("gates-7-fulladder"));

    MemoryHardwareWindow mem(nullptr, prefs);
    mem.show();
    click(&mem, "PnlBit_3");
    click(&mem, "PnlBit_1");
    click(&mem, "PnlControl");
    save(&mem, dir, QStringLiteral("memory-1-fourbit"));
    click(&mem, "Command2");
    click(&mem, "PnlIn_1");
    save(&mem, dir, QStringLiteral("memory-2-decoder"));
    click(&mem, "Check3D1");
    save(&mem, dir, QStringLiteral("memory-3-decoder-logic"));
    click(&mem, "Command2");
    click(&mem, "PnlControlMem");
    click(&mem, "PnlAddress2_1");
    click(&mem, "PnlAddress1_0");
    click(&mem, "PnlAddress0_1");
    click(&mem, "PnlAddress3_1");
    click(&mem, "PnlInput_1");
    save(&mem, dir, QStringLiteral("memory-4-addressed"));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 && args[1] == QLatin1String("--pictures")) {
        QDir().mkpath(args[2]);
        return takePictures(QDir(args[2]));
    }
    zeb::Preferences prefs;
    if (args.size() > 1 && args[1] == QLatin1String("memory"))
        return MemoryHardwareWindow(nullptr, prefs).exec();
    return LogicGatesWindow(nullptr, prefs).exec();
}
