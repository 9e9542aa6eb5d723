#pragma once
#include "mainwindow/PreferencesEditor.h"

#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;

namespace zeb::views {

// "Preferences": highlight colour, memory cell font and sound.
class FrmPref : public QDialog {
    Q_OBJECT
  public:
    // The platform's choosers, replaceable so that tests never wait on one.
    std::function<std::optional<Colour>(Colour)> colourDialog;
    std::function<std::optional<QFont>(const QFont&)> fontDialog;

    // `applied` re-applies the memory font after OK.
    FrmPref(Preferences& preferences, std::function<void()> applied, QWidget* parent);

    static QFont ToQFont(const FontChoice& f);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Show();
    void Command3_Click();
    void Command4_Click();
    void Command2_Click();

    PreferencesEditor model_;
    std::function<void()> applied_;
    QLabel* lblHighlightColour_ = nullptr;
    QLabel* lblFont_ = nullptr;
    QCheckBox* ChkSound_ = nullptr;
};

} // namespace zeb::views
