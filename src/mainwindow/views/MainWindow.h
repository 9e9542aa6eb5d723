#pragma once
#include "core/MachineObserver.h"
#include "mainwindow/views/MainWindowControls.h"
#include "mainwindow/views/MainWindowModels.h"
#include "mainwindow/views/accessibility/CellFocus.h"
#include "mainwindow/views/fields/CellMouse.h"

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QRect>

#include <bitset>
#include <memory>

class QAction;
class QLabel;
class QPushButton;

namespace zeb::views {

class FieldPanel;
class HoverStatus;
class MainMenus;
class RepaintPacer;
class RunStateText;
class SpokenAnnouncements;

// The main window: memory grid, keypad, registers, run controls, printer and
// menus. It shows what the core holds and hands every user event to the
// model operation that handles it.
class MainWindow : public QMainWindow, public MachineObserver {
    Q_OBJECT
  public:
    // Keys of the run controls, as in common debuggers.
    static inline const QKeySequence kRunKey{Qt::Key_F5};
    static inline const QKeySequence kStepKey{Qt::Key_F10};
    static inline const QKeySequence kStopKey{Qt::SHIFT | Qt::Key_F5};
    static inline const QKeySequence kBackKey{Qt::Key_F9};

    explicit MainWindow(MainWindowModels models, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up steps of the window itself.
    void setMemoryFont();
    void setPrinterFont();
    void layOut();
    void setSpeedSlider(int value);
    // Repaints the title bar, the window and every control.
    void repaintAll();
    // While a modal window of the machine waits, or the Machine view is open:
    // no control, no menu. The windows the main window owns stay usable. Each
    // block is lifted by its own call with false.
    void blockInput(bool blocked);
    bool inputBlocked() const { return inputBlocks_ > 0; }

    // The run keys also work while `window` (a device window) is active.
    void addRunKeysTo(QWidget* window);

    QAction* action(const QString& name) const;
    // What no other window may cover, in screen coordinates: the title and
    // menu bars, and the keypad with the run controls.
    QList<QRect> keepClearRects() const;
    // The registers with their labels and buttons, and the memory rows
    // around the program counter, in screen coordinates.
    QList<QRect> registerRects() const;
    QRect rowsAroundProgramCounter() const;
    const MainWindowControls& controls() const { return controls_; }

    void cellTextChanged(int address, Half half) override;
    void cellColourChanged(int address) override;
    void registerChanged(Register reg) override;
    void displayChanged(DisplayItem item, int index) override;

  signals:
    // The window has been painted on the screen for the first time.
    void firstPainted();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectControls();
    void addRunKeys();
    QKeySequence runKeyOf(const QPushButton* button) const;
    void showFlag(Flag flag);
    void showKeypadFaces();
    void showAddressBase();
    void showPrinterLine(int index);
    // True while a run control, not the memory grid, has the keyboard.
    bool controlHasFocus() const;
    void showCurrentCell();
    // Fields that changed while the machine runs are shown at the next frame,
    // the others (and any still waiting) at once.
    void fieldsChanged();
    void showChangedFields();
    // The field typing changes; nullptr for none.
    FieldPanel* currentField() const;

    MainWindowModels models_;
    HoverStatus* hover_ = nullptr;
    RepaintPacer* pacer_ = nullptr;
    QWidget* client_ = nullptr;
    MainWindowControls controls_;
    CellMouse cellMouse_;
    QLabel* statusBarText_ = nullptr;
    CellFocus cellFocus_{this};
    // What has changed since the fields were last shown: the halves of each
    // cell (operator, operand), cell colours, registers, and the cell last
    // coloured as the one the program counter points at.
    struct ChangedFields {
        std::bitset<2 * kMemorySize> texts;
        std::bitset<kMemorySize> colours;
        std::bitset<5> registers;
        int executing = -1;
    } changed_;
    std::unique_ptr<RunStateText> runState_;
    SpokenAnnouncements* announcements_ = nullptr;
    MainMenus* menus_ = nullptr;
    int inputBlocks_ = 0;
    bool painted_ = false;
};

} // namespace zeb::views
