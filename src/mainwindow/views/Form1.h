#pragma once
#include "core/MachineObserver.h"
#include "core/Zeb.h"
#include "editing/BaseSwitch.h"
#include "editing/CellClipboard.h"
#include "editing/MemoryEditor.h"
#include "files/ProgramFileCommands.h"
#include "mainwindow/MainShell.h"

#include <QHash>
#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;

namespace zeb::views {

class AddressLabels;
class FieldPanel;
class HoverStatus;
class KeypadButton;
class PrinterPicture;
class RepaintPacer;

// What the main window works on.
struct Form1Models {
    Zeb& zeb;
    MemoryEditor& editor;
    BaseSwitch& base;
    MainShell& shell;
    ProgramFileCommands& files;
    CellClipboard& clipboard;
    // Commands whose dialogs and windows the session owns.
    std::function<void()> aboutmenu_Click;
    std::function<void()> MnuFonts_Click;
    std::function<void()> mnuPrinter_Click;
    std::function<void()> mnLogicGates_Click;
    std::function<void()> MnuMemory_Click;
    std::function<void()> MnPreferences_Click;
};

// The main window: memory grid, keypad, registers, run controls, printer and
// menus. It shows what the core holds and hands every user event to the
// procedure that handles it.
class Form1 : public QMainWindow, public MachineObserver {
    Q_OBJECT
  public:
    explicit Form1(Form1Models models, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up steps of the window itself.
    void setMemoryFont();
    void setPrinterFont();
    void layOutMainWindow();
    void setSpeedSlider(int value);
    void RepaintMainScreen();
    // While a modal window of the machine waits: no control, no menu.
    void BlockInput(bool blocked);

    QAction* action(const QString& name) const { return actions_.value(name); }

    void cellTextChanged(int address, Half half) override;
    void cellColourChanged(int address) override;
    void registerChanged(Register reg) override;
    void displayChanged(DisplayItem item, int index) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateMemoryGrid(QWidget* client);
    void CreateKeypad(QWidget* client);
    void CreateRegisters(QWidget* client);
    void CreateRunControls(QWidget* client);
    void CreatePrinter(QWidget* client);
    void CreateMenus();
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                     std::function<void()> handler, bool built = true,
                     const QKeySequence& shortcut = {});
    void WatchStatus();

    void ApplyFlag(Flag flag);
    void ApplyKeypadFaces();
    void ApplyLabels();
    FieldPanel* Field(int address, Half half) const;

    Form1Models m_;
    HoverStatus* hover_ = nullptr;
    RepaintPacer* pacer_ = nullptr;
    QWidget* client_ = nullptr;
    std::array<FieldPanel*, 80> operator_{};
    std::array<FieldPanel*, 80> operand_{};
    std::array<AddressLabels*, 5> picMem_{};
    std::array<KeypadButton*, 17> pads_{};
    FieldPanel* accicon_ = nullptr;
    FieldPanel* pcicon_ = nullptr;
    FieldPanel* PnlStackPtr_ = nullptr;
    FieldPanel* PnlStatusReg_ = nullptr;
    FieldPanel* PnlInterrupt_ = nullptr;
    QLabel* LblStatus_ = nullptr;
    QLabel* LblInterrupt_ = nullptr;
    QPushButton* acciconl_ = nullptr;
    QPushButton* pciconl_ = nullptr;
    QPushButton* CmdSP_ = nullptr;
    QPushButton* runicon_ = nullptr;
    QPushButton* stepicon_ = nullptr;
    QPushButton* halticon_ = nullptr;
    QPushButton* clearicon_ = nullptr;
    QSlider* speed_ = nullptr;
    QLabel* Panel3D1_ = nullptr;
    QLabel* Panel3D2_ = nullptr;
    PrinterPicture* printicon_ = nullptr;
    std::array<QLineEdit*, 5> lineicons_{};
    QLabel* PnlStatus_ = nullptr;
    std::array<QMenu*, 5> menus_{};
    QHash<QString, QAction*> actions_;
    bool inputBlocked_ = false;
};

} // namespace zeb::views
