#include "mainwindow/views/accessibility/SpokenAnnouncements.h"

#include <QAccessibleWidget>
#include <QStatusBar>

namespace zeb::views {

namespace {

// An invisible object of the notification role.
class Voice : public QWidget {
  public:
    explicit Voice(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        hide();
    }
};

QAccessibleInterface* voiceInterface(const QString&, QObject* object) {
    if (auto* voice = dynamic_cast<Voice*>(object))
        return new QAccessibleWidget(voice, QAccessible::Notification);
    return nullptr;
}

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

SpokenAnnouncements::SpokenAnnouncements(QStatusBar* statusBar) : QObject(statusBar) {
    static const bool installed = (QAccessible::installFactory(voiceInterface), true);
    (void)installed;
    setObjectName(QStringLiteral("spokenAnnouncements"));
    for (QWidget*& voice : voices_) {
        voice = new Voice(statusBar);
        voice->setObjectName(QStringLiteral("spokenAnnouncement"));
    }
    linesTimer_.setSingleShot(true);
    connect(&linesTimer_, &QTimer::timeout, this, &SpokenAnnouncements::speakLines);
}

void SpokenAnnouncements::printed(std::string_view line) {
    ++waitingLines_;
    lastLine_ = qt(line);
    if (linesTimer_.isActive()) return;
    const qint64 wait = sinceLines_.isValid() ? linesGapMs_ - sinceLines_.elapsed() : 0;
    if (wait <= 0)
        speakLines();
    else
        linesTimer_.start(static_cast<int>(wait));
}

void SpokenAnnouncements::speakLines() {
    linesTimer_.stop();
    if (waitingLines_ == 0) return;
    const QString text =
        waitingLines_ == 1
            ? lastLine_
            : QStringLiteral("printed %1 lines, last %2").arg(waitingLines_).arg(lastLine_);
    linesGapMs_ = waitingLines_ == 1
                      ? kLineGapMs + kGapPerCharacterMs * static_cast<int>(lastLine_.size())
                      : kSummaryGapMs;
    waitingLines_ = 0;
    sinceLines_.start();
    speak(text);
}

void SpokenAnnouncements::say(std::string_view text) {
    // After the lines printed before it.
    speakLines();
    speak(qt(text));
}

void SpokenAnnouncements::speak(const QString& text) {
    QWidget* voice = voices_[nextVoice_];
    nextVoice_ = (nextVoice_ + 1) % voices_.size();
    // Appearing is what is spoken; the name is what it says.
    voice->hide();
    voice->setAccessibleName(text);
    voice->show();
    // Gone once heard, so that reading the status bar later finds only its text.
    QTimer::singleShot(kShownMs, voice, [voice, text] {
        if (voice->accessibleName() == text) voice->hide();
    });
    emit spoken(text);
}

} // namespace zeb::views
