#pragma once
#include "core/DisplayState.h"
#include "mainwindow/views/MainWindowModels.h"

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace zeb::views {

// The main window's menu bar: File, Edit, Views, Options and Help, each item
// handing its command to the model or the session. Check marks and enabled
// states follow the machine's display flags.
class MainMenus : public QObject {
    Q_OBJECT
  public:
    // `refresh` repaints the whole main window (Options > Refresh Screen).
    MainMenus(QMenuBar* bar, MainWindowModels& models, std::function<void()> refresh);

    // An item or a menu by its object name; nullptr when there is none.
    QAction* action(const QString& name) const { return actions_.value(name); }
    // Shows one display flag, if it belongs to the menus.
    void showFlag(Flag flag, bool on);

  private:
    QMenu* addMenu(const QString& name, const QString& caption);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     std::function<void()> command, const QKeySequence& shortcut = {});
    // An item whose window is still to come: in the menu, disabled.
    QAction* addLaterItem(QMenu* menu, const QString& name, const QString& caption);
    QAction* addToggle(QMenu* menu, const QString& name, const QString& caption,
                       std::function<void()> command);
    void createFileMenu();
    void createEditMenu();
    void createViewsMenu();
    void createOptionsMenu();
    void createHelpMenu();

    QMenuBar* bar_;
    MainWindowModels& models_;
    std::function<void()> refresh_;
    std::vector<QMenu*> menus_;
    QHash<QString, QAction*> actions_;
};

} // namespace zeb::views
