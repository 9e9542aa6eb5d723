#pragma once
#include "core/Announcer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

class QStatusBar;
class QWidget;

namespace zeb::views {

// The main window's voice for a screen reader. Each announcement appears for
// a moment as a notification in the status bar, which a screen reader speaks
// as it appears, wherever the keyboard is; a notification of the status bar
// is read without the word "notification".
//
// Printed lines come as fast as the program prints them: each is spoken when
// the last had time to be heard, and those that came in between are summed
// up ("printed 9 lines, last 1"), so that speech keeps up with the machine.
class SpokenAnnouncements : public QObject, public Announcer {
    Q_OBJECT
  public:
    // Pause after a single line: a short number is heard in this time.
    static constexpr int kLineGapMs = 500;
    static constexpr int kGapPerCharacterMs = 120;
    // Pause after a summary, about the time it takes to say.
    static constexpr int kSummaryGapMs = 2500;
    // How long a notification stays after it has been spoken.
    static constexpr int kShownMs = 3000;

    explicit SpokenAnnouncements(QStatusBar* statusBar);

    void printed(std::string_view line) override;
    void say(std::string_view text) override;

  signals:
    // A text has just been handed to the screen reader.
    void spoken(const QString& text);

  private:
    void speakLines();
    void speak(const QString& text);

    // Taken in turn: a reader that is still busy with one notification
    // reads the next from an object of its own, not a renamed one.
    std::array<QWidget*, 8> voices_{};
    std::size_t nextVoice_ = 0;

    int waitingLines_ = 0;
    QString lastLine_;
    QElapsedTimer sinceLines_;
    int linesGapMs_ = 0;
    QTimer linesTimer_;
};

} // namespace zeb::views
