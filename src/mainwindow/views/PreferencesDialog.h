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
class PreferencesDialog : public QDialog {
    Q_OBJECT
  public:
    // The platform's choosers, replaceable so that tests never wait on one.
    std::function<std::optional<Colour>(Colour)> colourDialog;
    std::function<std::optional<QFont>(const QFont&)> fontDialog;

    // `applied` re-applies the memory font after OK.
    PreferencesDialog(Preferences& preferences, std::function<void()> applied, QWidget* parent);

    static QFont toQFont(const Font& font);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showChoices();
    void chooseHighlightColour();
    void chooseMemoryFont();
    // OK: the choices take effect and the dialog closes.
    void applyChoices();

    PreferencesEditor model_;
    std::function<void()> applied_;
    QLabel* highlightSample_ = nullptr;
    QLabel* fontSample_ = nullptr;
    QCheckBox* soundOn_ = nullptr;
};

} // namespace zeb::views
